#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "net/Ecoute.h"
#include "net/Lien.h"
#include "platform/Plateforme.h"

// A network inside the test process, on the platform's clock: every send is delivered by a timer,
// never from inside the send, as a carrier does. Its faults hit whole receipts: a receipt may be
// delayed, lost, delivered twice, cut into pieces, or overtaken by a later one.
class ReseauEnMemoire {
public:
    struct Defauts {
        int delaiMs = 1;
        double perte = 0;
        double duplication = 0;
        // A receipt is cut into up to this many pieces (1: whole).
        int morceaux = 1;
        // Part of the receipts held back until the next one to the same link has overtaken them.
        double desordre = 0;
    };

    class LienEnMemoire;
    class EcouteEnMemoire;

    explicit ReseauEnMemoire(unsigned graine = 1) : aleatoire_(graine) {}
    ~ReseauEnMemoire();

    std::unique_ptr<LienSortant> nouveauLien();
    std::unique_ptr<Ecoute> nouvelleEcoute();
    // The network fails under every open link: each end is told, as by its peer, that its link
    // closed; nothing sent after this arrives.
    void coupe();

    Defauts defauts;
    // Every byte that travelled, for checking what is on the wire.
    std::function<void(const std::string&)> espion;
    int livraisons = 0;

private:
    struct Livraison {
        std::int64_t echeance;
        std::uint64_t ordre;
        std::function<void()> action;
    };

    void planifie(std::function<void()> action, int delaiMs);
    void transporte(LienEnMemoire& destination, const std::string& octets);
    void expedie(LienEnMemoire& destination, const std::string& octets, int delaiMs);
    void livreLesEcheances();
    std::int64_t maintenant() const;

    std::mt19937 aleatoire_;
    std::map<std::uint16_t, EcouteEnMemoire*> ecoutes_;
    std::vector<LienEnMemoire*> liens_;
    std::deque<Livraison> enRoute_;
    std::uint64_t ordre_ = 0;
    std::unique_ptr<Minuterie> minuterie_;
    std::uint16_t prochainPort_ = 40000;
    std::shared_ptr<bool> vivant_ = std::make_shared<bool>(true);
};

class ReseauEnMemoire::LienEnMemoire : public LienSortant {
public:
    explicit LienEnMemoire(ReseauEnMemoire& reseau);
    ~LienEnMemoire() override;
    void envoie(const std::string& octets) override;
    void ferme() override;
    bool estOuvert() const override { return ouvert_; }
    std::string adresseLocale() const override { return "127.0.0.1"; }
    std::uint16_t portLocal() const override { return 0; }
    void connecte(const std::string& adresse, std::uint16_t port) override;

    Observateur* observateur() const { return observateur_; }

private:
    friend class ReseauEnMemoire;
    // Tells this end, after the network's delay, that its link closed.
    void signaleFermeture();

    ReseauEnMemoire& reseau_;
    LienEnMemoire* pair_ = nullptr;
    bool ouvert_ = false;
    // A receipt held back, delivered after the next one.
    std::optional<std::string> retenu_;
    // Deliveries still on their way to a link that is gone are dropped.
    std::shared_ptr<bool> vivant_ = std::make_shared<bool>(true);
};

class ReseauEnMemoire::EcouteEnMemoire : public Ecoute {
public:
    explicit EcouteEnMemoire(ReseauEnMemoire& reseau) : reseau_(reseau) {}
    ~EcouteEnMemoire() override { ferme(); }
    void ouvre(std::uint16_t port) override;
    void ferme() override;
    bool estOuverte() const override { return port_ != 0; }
    std::uint16_t port() const override { return port_; }
    Observateur* observateur() const { return observateur_; }

private:
    ReseauEnMemoire& reseau_;
    std::uint16_t port_ = 0;
};
