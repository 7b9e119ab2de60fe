#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "ai/JoueurCalculateur.h"
#include "ai/Maitre_ChoixAtout.h"
#include "ai/Maitre_Reflexion.h"

// The computer player of level 3, "Maître". It plays fair: of the other hands it knows only what
// it saw (the cards played, the suits a seat showed out of, the melds announced), and it ignores
// what the table tells it of them. For a card it deals the unseen cards again and again in ways
// that agree with what it saw and judges each playable card on every such deal by the exact value
// of the deal with all hands open; the card with the best mean is played (`Maitre_Reflexion`). It
// weighs the trump modes and the chibre the same way (`Maitre_ChoixAtout`). The deals it imagines
// are drawn the more often the better they explain what the other seats chose and played
// (`Maitre_Croyances`).
//
// The reasoning runs through the platform's background port: in the desktop program on a thread
// of its own while the window keeps running, the answer coming back through the event loop and
// then waiting out the minimum decision time like any computer player's. It works on copies and a
// copy of the player's generator, which the player takes back with the answer, so the choices
// repeat exactly. A table that goes away meanwhile drops the answer and stops the work.
class Maitre_Joueur : public JoueurCalculateur {
public:
    explicit Maitre_Joueur(const ContexteJoueur& contexte);
    ~Maitre_Joueur() override;

    void choisitAtout(StatusAtout statusAtout, CarteSet cartesEnMain) override;
    void choisitCarte(const Partie& partie, int joueurDoitChoisirAtout, CarteSet cartesEnMain) override;
    void confirmeAnnonces() override;
    void carteJouee(const Carte& carte, const Partie& partie) override;
    void annonceFaite(int joueurNo, const Annonces& annonces) override;
    // Fair play: what the table tells of another seat's hand is not looked at.
    void mainDeJoueur(CarteSet cartes, int joueurNo) override;
    void recoitCartes(CarteSet cartesEnMain) override;
    void demandeDistribue(const InfoDemande& demande) override;

    // The card it would play, worked out on the caller's thread; the coach asks for it. Writes its
    // reasoning into the analysis. Not while a card of its own is being worked out: both would
    // use the one search.
    const Carte& meilleureCarte(const Partie& partie, int joueurDoitChoisirAtout, CarteSet cartesEnMain);
    // How many times the safety stop ended a search.
    int arretsDeSecurite() const { return arretsDeSecurite_; }

private:
    struct Atelier;

    // Writes the reasoning into the analysis; returns the card chosen.
    const Carte& montre(const Maitre_Reflexion& reflexion, const Maitre_Reflexion::Resultat& resultat);
    void montre(const Maitre_ChoixAtout::Resultat& resultat);
    // The four suit charts show how often each seat held each card in the samples.
    void montreCroyances(const std::array<std::array<int, 36>, 4>& tenues, int echantillons);
    Maitre_CeQuiAEteVu vu(int joueurDoitChoisirAtout) const;

    // What the work in the background shares with the player: the search and its stop.
    std::shared_ptr<Atelier> atelier_;
    std::array<CarteSet, 4> annoncees_{};
    // The cards of the deal in the order they were played.
    std::vector<std::uint8_t> cartesJouees_;
    int arretsDeSecurite_ = 0;
};

// The maker the table's registry holds for race 5: level 3 is the master, the other levels the
// evaluation-based player.
std::unique_ptr<Joueur> creeJoueurDeRace5(const ContexteJoueur& contexte);
