#pragma once

#include <array>
#include <memory>

#include "ai/JoueurCalculateur.h"
#include "ai/Maitre_Solveur.h"

class Maitre_Echantillonneur;

// The computer player of level 3, "Maître". It plays fair: of the other hands it knows only what
// it saw (the cards played, the suits a seat showed out of, the melds announced), and it ignores
// what the table tells it of them. For a card it deals the unseen cards again and again in ways
// that agree with what it saw and judges each playable card on every such deal by the exact value
// of the deal with all hands open; the card with the best mean is played.
//
// From the fifth trick on each sample is solved exactly to the end of the deal. Before that an
// exact solution costs seconds, so each sample is judged by the evaluation-based engine instead,
// playing the sampled deal as it would the real one, and the card most of them choose is played.
//
// The search runs on the caller's thread within a budget of work (samples and nodes) sized so a
// decision stays well under the minimum decision time, which the base's timer then waits out:
// the window never waits for more than the search itself. A safety stop on the platform's clock
// ends the sampling should the machine be far slower than the budget assumes.
class Maitre_Joueur : public JoueurCalculateur {
public:
    static constexpr int ECHANTILLONS_MAX = 48;
    static constexpr std::uint64_t NOEUDS_PAR_DECISION = 600000;
    static constexpr int ARRET_DE_SECURITE_MS = 1200;
    // Samples judged by the evaluation-based engine before the exact search takes over.
    static constexpr int VOTES = 3;
    static constexpr int PLIS_AVANT_LA_RECHERCHE_EXACTE = 4;

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

    // The card it would play; the coach asks for it too. Writes its reasoning into the analysis.
    const Carte& meilleureCarte(const Partie& partie, int joueurDoitChoisirAtout, CarteSet cartesEnMain);
    // How many times the safety stop ended a search.
    int arretsDeSecurite() const { return arretsDeSecurite_; }

private:
    const Carte& parRechercheExacte(const Partie& partie, CarteSet jouables, const Maitre_Echantillonneur& echantillonneur);
    const Carte& parVote(const Partie& partie, int joueurDoitChoisirAtout, CarteSet jouables,
                         const Maitre_Echantillonneur& echantillonneur);
    // The four suit charts show how often each seat held each card in the samples.
    void montreCroyances(const std::array<std::array<int, 36>, 4>& tenues, int echantillons);

    Maitre_Solveur solveur_;
    std::array<CarteSet, 4> annoncees_{};
    int arretsDeSecurite_ = 0;
};

// The maker the table's registry holds for race 5: level 3 is the master, the other levels the
// evaluation-based player.
std::unique_ptr<Joueur> creeJoueurDeRace5(const ContexteJoueur& contexte);
