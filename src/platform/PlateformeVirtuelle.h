#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/Plateforme.h"

// A platform without a user interface on a virtual clock: timers fire when the clock is advanced
// past them, message boxes are recorded and answered from a script (Yes/OK unless told
// otherwise). The tests and the headless tools run games on it, as fast as the machine allows.
// Installed for the lifetime of the object.
class PlateformeVirtuelle : public Plateforme {
public:
    struct Boite {
        std::string genre;  // "information", "question", "avertissement", "erreur"
        std::string texte;
        std::string titre;
    };

    PlateformeVirtuelle();
    ~PlateformeVirtuelle() override;

    std::unique_ptr<Minuterie> creeMinuterie(std::function<void()> action) override;
    void traiteMessagesEnAttente() override { ++messagesTraites; }
    void attend(int millisecondes) override { avance(millisecondes); }
    // At once, unless the work is held back (below).
    void enArrierePlan(std::function<void()> travail, std::function<void()> fini) override;
    // Holds the background work back until `finitLesTravaux`, as a slow machine would: the
    // tests see what waits for it meanwhile.
    bool differeLesTravaux = false;
    std::size_t travauxEnAttente() const { return travaux_.size(); }
    // Runs the work held back, in order, each followed by its ending.
    void finitLesTravaux();
    std::chrono::steady_clock::time_point maintenant() const override { return origine_ + horloge_; }
    std::tm heureLocale() const override { return heureLocale_; }
    std::string nomDUtilisateur() const override { return nomDUtilisateur_; }
    std::uint32_t graineDuProcessus() const override { return graineDuProcessus_; }
    void information(const std::string& texte, const std::string& titre) override;
    bool question(const std::string& texte, const std::string& titre) override;
    bool avertissement(const std::string& texte, const std::string& titre) override;
    void erreur(const std::string& texte) override;

    // Moves the virtual clock forward, firing every timer that falls due, in time order.
    void avance(int millisecondes);
    // Fires whatever is due until no timer runs (a periodic timer stops this after `limite` ms).
    void avanceJusquAuRepos(int limiteMs = 600000);
    std::chrono::milliseconds ecoule() const { return horloge_; }
    int minuteriesActives() const;

    std::vector<Boite> boites;
    std::deque<bool> reponses;  // answers to the next questions and warnings; empty = Yes/OK
    // Called when a box is shown, before it returns (a test may act "while the box is open").
    std::function<void(const Boite&)> pendantLaBoite;
    int messagesTraites = 0;
    std::string nomDUtilisateur_ = "testeur";
    // Fixed, so that records built on this platform draw the same identifiers in every run.
    std::uint32_t graineDuProcessus_ = 0;
    std::tm heureLocale_{};

private:
    class MinuterieVirtuelle;
    bool reponds(const Boite& boite);

    std::chrono::steady_clock::time_point origine_{};
    std::chrono::milliseconds horloge_{0};
    std::vector<MinuterieVirtuelle*> minuteries_;
    std::deque<std::pair<std::function<void()>, std::function<void()>>> travaux_;
};
