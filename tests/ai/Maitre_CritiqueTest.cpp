#include <gtest/gtest.h>

#include <filesystem>

#include "ai/Maitre_Conseil.h"
#include "ai/Maitre_Critique.h"
#include "ai/Maitre_PositionOuverte.h"
#include "ai/Maitre_Solveur.h"
#include "rules/Partie.h"
#include "rules/TypeDePartiesPossibles.h"
#include "support/Cartes.h"
#include "support/Fichiers.h"

namespace {

const std::vector<HistoriqueDesDonnes::Donne>& donnesDeReference() {
    static const HistoriqueDesDonnes historique = [] {
        HistoriqueDesDonnes h;
        h.lit(lignesDuFichier(litFichier(std::filesystem::path(TRUMPWISE_FIXTURES_DIR) / "partie-standard.jss")));
        return h;
    }();
    return historique.donnes();
}

const Carte* carteJouee(const HistoriqueDesDonnes::Donne& donne, const Partie& partie) {
    return donne.plis[partie.nbCartesJouees() / 4].cartes[partie.noDuProchainAJouer()];
}

// The variant with every mode, whatever the deal's: the adviser is told the game's.
const TypeDePartie& variante() { return TypeDePartiesPossibles::commune()[3]; }

// The cards of a deal in the order they were played, up to the deal's state.
std::vector<std::uint8_t> ordreJusqua(const HistoriqueDesDonnes::Donne& donne, const Partie& partie) {
    std::vector<std::uint8_t> tags;
    Partie rejouee(donne.atout, CarteSet::complet(), donne.plis.front().premier, donne.choisiPar, donne.multiplicateur);
    while (rejouee.nbCartesJouees() < partie.nbCartesJouees()) {
        const Carte& carte = *carteJouee(donne, rejouee);
        tags.push_back(static_cast<std::uint8_t>(carte.getTag()));
        rejouee.joueCarte(carte, rejouee.noDuProchainAJouer());
    }
    return tags;
}

// An adviser that agrees with the cards played for three tricks (their solves would be long),
// then gives the lowest playable card; it keeps what it was shown.
struct ConseillerDeTest {
    const HistoriqueDesDonnes::Donne& donne;
    std::vector<std::pair<CarteSet, std::array<CarteSet, 4>>> vus;

    Maitre_Critique::Conseiller conseiller() {
        return [this](const Partie& partie, CarteSet main, const Maitre_CeQuiAEteVu& vu) {
            EXPECT_EQ(vu.joueurDoitChoisirAtout, donne.plis.front().premier);
            EXPECT_EQ(vu.typeDePartie.getNbAtoutsPossibles(), variante().getNbAtoutsPossibles());
            EXPECT_EQ(vu.cartesJouees, ordreJusqua(donne, partie)) << "the cards seen, in their order";
            vus.emplace_back(main, vu.annoncees);
            if (partie.nbCartesJouees() < 12) return carteJouee(donne, partie);
            return &*partie.cartesJouables(main).begin();
        };
    }
};

// Every playable card's value for the seat's team, as the solver gives them all at once.
int valeurDe(const Partie& partie, const std::array<CarteSet, 4>& mains, const Carte& carte) {
    static Maitre_Solveur solveur;
    const auto valeurs = solveur.valeursDesCartes(Maitre_PositionOuverte::depuis(partie, mains));
    for (unsigned k = 0; k < valeurs.nombre; ++k)
        if (valeurs.cartes[k].tag == carte.getTag()) return valeurs.cartes[k].valeur;
    ADD_FAILURE() << carte.getNom() << " is not playable";
    return 0;
}

}  // namespace

// The loss of a card is what the adviser's card was worth more with the true hands, multiplied;
// only the cards of the team that were a choice are asked about, with the seat's hand and the
// melds shown; the costliest come first.
TEST(Maitre_Critique, CeQueLaCarteConseilleeValaitDePlusAvecLesVraiesMains) {
    const std::atomic<bool> abandon{false};
    int ecartsVus = 0;
    for (const auto& [numero, equipe] : {std::pair{0, 0}, {1, 0}, {2, 0}, {0, 1}, {2, 1}}) {
        const HistoriqueDesDonnes::Donne& donne = donnesDeReference()[static_cast<std::size_t>(numero)];
        SCOPED_TRACE("deal " + std::to_string(numero + 1) + ", team " + std::to_string(equipe));
        ConseillerDeTest conseiller{donne, {}};
        const auto bilan = Maitre_Critique::critique(donne, equipe, variante(), conseiller.conseiller(), abandon);
        ASSERT_TRUE(bilan);
        EXPECT_EQ(bilan->nonJugees, 0);

        std::vector<Maitre_Critique::Ecart> attendus;
        std::vector<std::pair<CarteSet, std::array<CarteSet, 4>>> attendusVus;
        Partie partie(donne.atout, CarteSet::complet(), donne.plis.front().premier, donne.choisiPar, donne.multiplicateur);
        std::array<CarteSet, 4> mains = donne.cartesJouees;
        while (!partie.estTerminee()) {
            const int siege = partie.noDuProchainAJouer();
            const Carte& jouee = *carteJouee(donne, partie);
            const CarteSet jouables = partie.cartesJouables(mains[siege]);
            if (siege % 2 == equipe && jouables.size() > 1) {
                attendusVus.emplace_back(mains[siege], donne.annoncesMontrees);
                const Carte& conseillee = partie.nbCartesJouees() < 12 ? jouee : *jouables.begin();
                if (&conseillee != &jouee) {
                    const int perte =
                        (valeurDe(partie, mains, conseillee) - valeurDe(partie, mains, jouee)) * donne.multiplicateur;
                    if (perte > 0)
                        attendus.push_back({static_cast<int>(partie.nbCartesJouees() / 4) + 1, siege, &jouee, &conseillee, perte});
                }
            }
            mains[siege].erase(jouee);
            partie.joueCarte(jouee, siege);
        }
        std::stable_sort(attendus.begin(), attendus.end(), [](const auto& a, const auto& b) { return a.perte > b.perte; });
        ASSERT_EQ(bilan->ecarts.size(), attendus.size());
        for (std::size_t k = 0; k < attendus.size(); ++k) {
            const auto& [pli, siege, jouee, conseillee, perte] = bilan->ecarts[k];
            EXPECT_EQ(pli, attendus[k].pli);
            EXPECT_EQ(siege, attendus[k].siege);
            EXPECT_EQ(jouee, attendus[k].jouee);
            EXPECT_EQ(conseillee, attendus[k].conseillee);
            EXPECT_EQ(perte, attendus[k].perte) << "trick " << pli;
        }
        EXPECT_EQ(conseiller.vus, attendusVus);
        ecartsVus += static_cast<int>(attendus.size());
    }
    EXPECT_GT(ecartsVus, 0) << "the lowest card loses somewhere";
}

// Past its node budget a card is not judged; a deal cut short, an adviser that gives up or a
// coach that goes away give no verdict at all.
TEST(Maitre_Critique, CarteNonJugeeAuDelaDuBudgetEtRienSurUneDonneIncomplete) {
    const std::atomic<bool> abandon{false};
    const HistoriqueDesDonnes::Donne& donne = donnesDeReference()[0];
    ConseillerDeTest conseiller{donne, {}};
    const auto presse = Maitre_Critique::critique(donne, 0, variante(), conseiller.conseiller(), abandon, 1);
    ASSERT_TRUE(presse);
    EXPECT_TRUE(presse->ecarts.empty());
    EXPECT_GT(presse->nonJugees, 0);

    EXPECT_FALSE(Maitre_Critique::critique(donnesDeReference().back(), 0, variante(), conseiller.conseiller(), abandon))
        << "the last deal ended after eight tricks";
    const auto renonce = [](const Partie&, CarteSet, const Maitre_CeQuiAEteVu&) -> const Carte* { return nullptr; };
    EXPECT_FALSE(Maitre_Critique::critique(donne, 0, variante(), renonce, abandon));
    const std::atomic<bool> abandonne{true};
    EXPECT_FALSE(Maitre_Critique::critique(donne, 0, variante(), conseiller.conseiller(), abandonne));
}

// The master's advice from what a seat saw: a card it may play, the same every time it is asked,
// none once abandoned.
TEST(Maitre_Conseil, UneCarteJouableToujoursLaMemeAucuneApresAbandon) {
    const HistoriqueDesDonnes::Donne& donne = donnesDeReference()[1];
    Partie partie(donne.atout, CarteSet::complet(), donne.plis.front().premier, donne.choisiPar, donne.multiplicateur);
    std::array<CarteSet, 4> mains = donne.cartesJouees;
    while (partie.nbCartesJouees() < 17) {
        const int siege = partie.noDuProchainAJouer();
        const Carte& carte = *carteJouee(donne, partie);
        mains[siege].erase(carte);
        partie.joueCarte(carte, siege);
    }
    const int siege = partie.noDuProchainAJouer();
    ASSERT_GT(partie.cartesJouables(mains[siege]).size(), 1u);
    const std::atomic<bool> abandon{false};
    const Maitre_CeQuiAEteVu vu{donne.plis.front().premier, variante(), donne.annoncesMontrees, ordreJusqua(donne, partie)};
    Maitre_Conseil conseil(false);
    const Carte* carte = conseil.carte(partie, mains[siege], vu, abandon);
    ASSERT_NE(carte, nullptr);
    EXPECT_TRUE(partie.cartesJouables(mains[siege]).contient(*carte));
    EXPECT_EQ(Maitre_Conseil(false).carte(partie, mains[siege], vu, abandon), carte);
    const std::atomic<bool> abandonne{true};
    EXPECT_EQ(conseil.carte(partie, mains[siege], vu, abandonne), nullptr);
}
