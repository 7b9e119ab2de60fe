// A whole network game, host and one client, in which the input alters what passes between them:
// each message the client sends, and each receipt it gets from the host, is passed on, dropped,
// doubled, given with a byte changed, or followed by an earlier one again, as the input's next
// bytes say (once the input is spent, all pass). What passes is right in form and mostly right in
// play, so each end meets plays out of turn, for the wrong seat, of cards not held, and repeats,
// deep into the game. Either may refuse what it is sent and end the game with a message, but a
// crash, a read out of bounds or an internal check is a finding.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "FuzzDuReseau.h"
#include "net/PartieEnReseau.h"

namespace {

// Virtual time a game may take at most, and how many messages or receipts still pass once the
// input is spent.
constexpr int DUREE_MAXI_MS = 3 * 3600 * 1000;
constexpr int MESSAGES_APRES_L_ENTREE = 12;

// What the input says of what passes, one message or receipt at a time.
class Alterations {
public:
    Alterations(const std::uint8_t* donnees, std::size_t taille) : donnees_(donnees), taille_(taille) {}

    // The bytes to pass on for those.
    std::string altere(const std::string& message) {
        passes_.push_back(message);
        if (lu_ >= taille_) ++apresLaFin_;
        switch (suivant() % 8) {
            case 0: return "";
            case 1: return message + message;
            case 2: {
                std::string change = message;
                const std::size_t position = suivant() % change.size();
                change[position] = static_cast<char>(suivant());
                return change;
            }
            case 3: return message + passes_[suivant() % passes_.size()];
            default: return message;
        }
    }

    // The input is spent and that many messages or receipts have passed since: the rest of the
    // game is played as both ends meant it, and tells nothing more.
    bool finie(int messages) const { return apresLaFin_ >= messages; }

private:
    std::uint8_t suivant() { return lu_ < taille_ ? donnees_[lu_++] : 4; }

    const std::uint8_t* donnees_;
    std::size_t taille_;
    std::size_t lu_ = 0;
    int apresLaFin_ = 0;
    std::vector<std::string> passes_;
};

// The client's link to the host, through which everything passes as the input alters it.
class LienAltere : public LienSortant, private Lien::Observateur {
public:
    LienAltere(std::unique_ptr<LienSortant> lien, Alterations& alterations)
        : lien_(std::move(lien)), alterations_(alterations) {
        lien_->setObservateur(this);
    }
    void connecte(const std::string& adresse, std::uint16_t port) override { lien_->connecte(adresse, port); }
    void envoie(const std::string& octets) override {
        const std::string alteres = alterations_.altere(octets);
        if (!alteres.empty()) lien_->envoie(alteres);
    }
    void ferme() override { lien_->ferme(); }
    bool estOuvert() const override { return lien_->estOuvert(); }
    std::string adresseLocale() const override { return lien_->adresseLocale(); }
    std::uint16_t portLocal() const override { return lien_->portLocal(); }

private:
    void lienEtabli(Lien&) override {
        if (observateur_) observateur_->lienEtabli(*this);
    }
    void recoit(Lien&, const std::string& octets) override {
        const std::string alteres = alterations_.altere(octets);
        if (!alteres.empty() && observateur_) observateur_->recoit(*this, alteres);
    }
    void lienFerme(Lien&) override {
        if (observateur_) observateur_->lienFerme(*this);
    }
    void erreurDeLien(Lien&, const std::string& message) override {
        if (observateur_) observateur_->erreurDeLien(*this, message);
    }

    std::unique_ptr<LienSortant> lien_;
    Alterations& alterations_;
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    prepareLeFuzzDuReseau();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    Alterations alterations(donnees, taille);
    std::unique_ptr<PartieEnReseau> partie;
    Porteur porteur;
    porteur.lien = [&] { return std::make_unique<LienAltere>(partie->reseau.nouveauLien(), alterations); };
    partie = std::make_unique<PartieEnReseau>(1, 1, std::move(porteur));
    partie->demarre();
    for (int ecoule = 0; ecoule < DUREE_MAXI_MS && !partie->hoteAFini() && !alterations.finie(MESSAGES_APRES_L_ENTREE);
         ecoule += 100)
        partie->avance(100);
    return 0;
}
