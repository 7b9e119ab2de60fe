#include <gtest/gtest.h>

#include <random>

#include "rules/Partie.h"
#include "support/AssertionsRelevees.h"
#include "support/Cartes.h"

namespace {

// Plays the cards in order, each by the seat whose turn it is.
void joue(Partie& partie, const std::string& cartes) {
    std::istringstream flux(cartes);
    std::string nom;
    while (flux >> nom) partie.joueCarte(c(nom), partie.noDuProchainAJouer());
}

}  // namespace

TEST(Partie, ATeamTakingEveryTrickScores257TimesTheMultiplier) {
    for (int multiplicateur : {1, 2}) {
        // Seat 0 holds every trump and leads them, then its aces; nobody else can win a trick.
        Partie partie(Atout::Coeur, CarteSet::complet(), 0, 0, multiplicateur);
        joue(partie, "VC 6T 6K 6P  9C 7T 7K 7P  AC 8T 8K 8P  RC 9T 9K 9P  DC XT XK XP  XC VT VK VP "
                     " 8C DT DK DP  7C RT RK RP  6C AT AK AP");
        ASSERT_TRUE(partie.estTerminee());
        EXPECT_EQ(partie.getPointsEquipe1(), 257 * multiplicateur);
        EXPECT_EQ(partie.getPointsEquipe2(), 0);
        EXPECT_EQ(partie.getCartesRamasseesEq1(), 36);
    }
}

// A hand-counted deal "de haut en bas" (Huit 8, Dix 10, Valet 2, Dame 3, Roi 4, As 11): the
// tricks go 19, 19, 15, 16, 7, 29, 9, 18 and 20, and the last trick's team gets 5 more.
TEST(Partie, HandCountedDealWithTheLastTrickBonus) {
    Partie partie(Atout::HautEnBas, CarteSet::complet(), 0, 0, 2);
    const char* plis[9] = {"AT 6T 7T 8T", "6K AK 7K 8K", "9T XT VT DT", "RT 9K XK VK", "DK RK 6P 7P",
                           "AP 8P 9P XP", "VP DP RP 6C", "7C 8C 9C XC", "VC DC RC AC"};
    const int gagnants[9] = {0, 1, 0, 0, 1, 1, 3, 2, 1};
    for (int pli = 0; pli < 9; ++pli) {
        joue(partie, plis[pli]);
        EXPECT_EQ(partie.noDuProchainAJouer(), gagnants[pli]) << plis[pli];
    }
    ASSERT_TRUE(partie.estTerminee());
    EXPECT_EQ(partie.getPointsEquipe1(), 68 * 2);
    EXPECT_EQ(partie.getPointsEquipe2(), 89 * 2);
}

TEST(Partie, TrickWinners) {
    struct Cas {
        Atout atout;
        const char* pli;  // led by seat 0
        int gagnant;
    };
    const Cas cas[] = {
        {Atout::Pique, "AC 6P 7C 8C", 1},  // a low trump beats the led ace
        {Atout::Pique, "6C AT 7C AK", 2},  // higher off-suit cards do not count
        {Atout::Pique, "6C 9P VP 7P", 2},  // trump order: Valet over Neuf
        {Atout::HautEnBas, "XT AT 6K 7T", 1},
        {Atout::BasEnHaut, "XT AT 6K 7T", 3},
        {Atout::ZigZag, "AK 6K 7T 8T", 1},  // zig-zag starts bottom-up
    };
    for (const Cas& k : cas) {
        Partie partie(k.atout, CarteSet::complet(), 0, 0, 1);
        joue(partie, k.pli);
        EXPECT_EQ(partie.noDuProchainAJouer(), k.gagnant) << k.pli;
        EXPECT_TRUE(partie.debutDePli());
        for (int seat = 0; seat < 4; ++seat) EXPECT_EQ(partie.getCarteJoueePar(seat), nullptr);
    }
}

TEST(Partie, ZigZagAlternatesAndTheHuitIsWorthEight) {
    Partie partie(Atout::ZigZag, CarteSet::complet(), 0, 0, 5);
    EXPECT_EQ(partie.atout(), Atout::BasEnHaut);
    joue(partie, "AK 6K 8T 7T");
    EXPECT_EQ(partie.noDuProchainAJouer(), 1);
    EXPECT_EQ(partie.getPointsEquipe2(), (11 + 8) * 5);
    EXPECT_EQ(partie.atout(), Atout::HautEnBas);
    joue(partie, "6P AP 9K 8K");  // seat 1 leads; now the ace wins
    EXPECT_EQ(partie.noDuProchainAJouer(), 2);
    EXPECT_EQ(partie.getPointsEquipe1(), (11 + 8) * 5);
    EXPECT_EQ(partie.atout(), Atout::BasEnHaut);
}

TEST(Partie, SeatsShowWhichSuitsTheyNoLongerHold) {
    Partie partie(Atout::Pique, CarteSet::complet(), 0, 0, 1);
    joue(partie, "6T 6C 7P");
    EXPECT_TRUE(partie.nAPlusLaCouleur(1, Carte::Trefle));
    EXPECT_FALSE(partie.nAPlusLaCouleur(2, Carte::Trefle));  // trumping reveals nothing
    EXPECT_FALSE(partie.nAPlusLaCouleur(0, Carte::Trefle));
}

TEST(Partie, SequencingFaultsAreInternalErrors) {
    AssertionsRelevees relevees;
    Partie partie(Atout::Pique, CarteSet::complet(), 0, 0, 1);
    partie.joueCarte(c("6T"), 0);
    partie.joueCarte(c("6T"), 1);
    EXPECT_TRUE(relevees.contient("cartesDejaJouees_.find(carte) == cartesDejaJouees_.end()"));
    partie.joueCarte(c("7T"), 3);
    EXPECT_TRUE(relevees.contient("noDuProchainAJouer_ == joueurNo"));
}

namespace {

struct CasVerdict {
    Atout atout;
    const char* pli;   // already played, led by seat 0
    const char* main;  // hand of the next seat
    const char* carte;
    StatusCarteJouee attendu;
};

}  // namespace

TEST(Verdicts, FollowTrumpUndertrumpAndTheBour) {
    using S = StatusCarteJouee;
    const CasVerdict cas[] = {
        {Atout::Pique, "", "6T 7C", "7C", S::OuvreLePli},
        {Atout::Pique, "AT", "6T 7C 8P", "7C", S::RefuseeDoitServir},
        {Atout::Pique, "AT", "6T 7C 8P", "8P", S::CoupeLePli},
        {Atout::Pique, "AT", "6T 7C 8P", "6T", S::CouleurDemandee},
        {Atout::Pique, "AT", "7C 8P", "7C", S::NePeutPasServir},
        {Atout::Pique, "AP", "VP 7C", "7C", S::BourConserve},
        {Atout::Pique, "AP", "VP 6P 7C", "7C", S::RefuseeDoitServir},
        {Atout::Pique, "AP", "VP 6P 7C", "6P", S::CouleurDemandee},
        {Atout::Pique, "AT 9P", "VP 6P 7C", "VP", S::SurCoupe},
        {Atout::Pique, "AT 9P", "VP 6P 7C", "6P", S::RefuseeSousCoupe},
        {Atout::Pique, "AT 9P", "6P 7P", "6P", S::SousCoupeObligee},
        {Atout::Pique, "AT 9P", "6P", "6P", S::SousCoupeObligee},
        {Atout::Pique, "AT 9P", "6P AP", "6P", S::SousCoupeObligee},
        {Atout::Pique, "AT VP 6P", "9P 7C", "9P", S::RefuseeSousCoupe},
        {Atout::Pique, "AT 6P VP", "9P 7C", "9P", S::RefuseeSousCoupe},
        {Atout::HautEnBas, "AT", "6T 7C", "7C", S::RefuseeDoitServir},
        {Atout::ZigZag, "AT", "6T 7C", "7C", S::RefuseeDoitServir},
        {Atout::ZigZag, "AT", "7C 8K", "7C", S::NePeutPasServir},
    };
    for (const CasVerdict& k : cas) {
        Partie partie(k.atout, CarteSet::complet(), 0, 0, 1);
        joue(partie, k.pli);
        const int seat = partie.noDuProchainAJouer();
        const CarteSet main = ens(k.main);
        EXPECT_EQ(partie.carteEstRefusee(c(k.carte), seat, main), k.attendu) << k.pli << " / " << k.carte;
        EXPECT_EQ(partie.cartesJouables(main).contient(c(k.carte)), CarteEstAcceptee(k.attendu)) << k.carte;
    }
}

TEST(Verdicts, AcceptanceAndExplanations) {
    for (int v = 0; v < 12; ++v)
        EXPECT_EQ(CarteEstAcceptee(StatusCarteJouee(v)), v >= 1 && v <= 7) << v;
    std::vector<std::string> lignes;
    ajouteExplication(StatusCarteJouee::SurCoupe, lignes);
    ajouteExplication(StatusCarteJouee::RefuseeSousCoupe, lignes);
    ajouteExplication(StatusCarteJouee(42), lignes);
    ASSERT_EQ(lignes.size(), 5u);
    EXPECT_EQ(lignes[0], "Cet atout 'sur-coupe' un autre atout. ");
    EXPECT_EQ(lignes[1], "Vous ne pouvez pas jouer cette carte:");
    EXPECT_EQ(lignes[2], "");
    EXPECT_EQ(lignes[3].substr(0, 27), "Vous essayez de 'sous-coupe");
    EXPECT_EQ(lignes[4], "ERREUR: Status invalide");
}

// Random deals in every mode: at every card, the whole-hand computation of the playable cards
// agrees with the verdict on each card, at least one card is playable, and every deal ends with
// 157 or 257 points times the multiplier.
TEST(Verdicts, PlayableCardsAgreeWithTheVerdictInRandomDeals) {
    std::mt19937 aleatoire(20261210);
    for (int donne = 0; donne < 3000; ++donne) {
        CarteSet mains[4];
        std::vector<unsigned> tags(36);
        for (unsigned t = 0; t < 36; ++t) tags[t] = t;
        std::shuffle(tags.begin(), tags.end(), aleatoire);
        for (unsigned i = 0; i < 36; ++i) mains[i / 9].insert(Carte::parTag(tags[i]));
        const Atout atout = Atout(1 + donne % 7);
        const int multiplicateur = 1 + donne % 3;
        Partie partie(atout, CarteSet::complet(), donne % 4, 0, multiplicateur);
        while (!partie.estTerminee()) {
            const int seat = partie.noDuProchainAJouer();
            const CarteSet jouables = partie.cartesJouables(mains[seat]);
            for (const Carte& carte : mains[seat])
                ASSERT_EQ(jouables.contient(carte), CarteEstAcceptee(partie.carteEstRefusee(carte, seat, mains[seat])))
                    << carte.getNom() << " mode " << int(atout);
            ASSERT_FALSE(jouables.empty());
            const Carte& choisie = *jouables.kieme(aleatoire() % jouables.size());
            mains[seat].erase(choisie);
            partie.joueCarte(choisie, seat);
        }
        const int total = (partie.getPointsEquipe1() + partie.getPointsEquipe2()) / multiplicateur;
        ASSERT_TRUE(total == 157 || total == 257);
    }
}
