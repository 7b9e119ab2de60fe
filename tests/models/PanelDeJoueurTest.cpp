#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/TableDesTextes.h"
#include "rules/OptionsDuJoueur.h"
#include "models/PanelDeJoueur.h"
#include "rules/TypeDePartiesPossibles.h"
#include "support/AssertionsRelevees.h"
#include "support/Cartes.h"
#include "support/PlateformeFactice.h"

namespace {

using Rect = PanelDeJoueur::Rectangle;

// Records what the panel hands to its player; verdicts are scripted per card, accepted otherwise.
class JoueurFactice : public ReponsesDuPanel {
public:
    StatusCarteJouee carteJouable(const Carte& carte) override {
        verdictsDemandes.push_back(&carte);
        const auto it = verdicts.find(&carte);
        return it == verdicts.end() ? StatusCarteJouee::OuvreLePli : it->second;
    }
    void carteChoisie(const Carte& carte, int idDemande) override { appels.push_back("carte " + carte.getIdentifiant() + " " + std::to_string(idDemande)); }
    void atoutChoisi(StatusAtout status) override { appels.push_back("atout " + status.save()); }
    void distributionDemandee() override { appels.push_back("distribue"); }
    void tasConfirme() override { appels.push_back("ramasse"); }
    void annoncesVues() override { appels.push_back("annonces vues"); }
    void envoieMessage(const std::string& texte) override { appels.push_back("message " + texte); }

    std::map<const Carte*, StatusCarteJouee> verdicts;
    std::vector<const Carte*> verdictsDemandes;
    std::vector<std::string> appels;
};

const TypeDePartie& suisseRomand() { return TypeDePartiesPossibles::commune()[0]; }
const TypeDePartie& suisseAllemand() { return TypeDePartiesPossibles::commune()[2]; }

class PanelDeJoueurTest : public ::testing::Test {
protected:
    // The user's panel at seat 0 in a 900 x 600 playing area: 284 pixels wide.
    std::unique_ptr<PanelDeJoueur> panelDuJoueur(int noJoueur = 0, const TypeDePartie& type = suisseRomand()) {
        auto panel = std::make_unique<PanelDeJoueur>("Vous", noJoueur, OptionsDuJoueur::Humain, false, &joueur, type, false);
        panel->place(900, 600);
        panel->changement = [this] { ++changements; };
        return panel;
    }
    std::unique_ptr<PanelDeJoueur> panelOrdinateur(int noJoueur) {
        auto panel = std::make_unique<PanelDeJoueur>("Alphonse", noJoueur, OptionsDuJoueur::AI, false, nullptr,
                                                     suisseRomand(), false);
        panel->place(900, 600);
        return panel;
    }
    static std::vector<int> lefts(const PanelDeJoueur& panel) {
        std::vector<int> l;
        for (const auto& p : panel.cartesPlacees()) l.push_back(p.left);
        return l;
    }
    static const PanelDeJoueur::CartePlacee& placee(const PanelDeJoueur& panel, const Carte& carte) {
        for (const auto& p : panel.cartesPlacees())
            if (p.carte == &carte) return p;
        throw std::invalid_argument("card not in the panel");
    }
    // The pointer over the visible strip of a card, just under the top of the area.
    static void survole(PanelDeJoueur& panel, const Carte& carte) { panel.survole(placee(panel, carte).left + 2, 30); }

    PlateformeFactice plateforme;
    JoueurFactice joueur;
    int changements = 0;
};

struct CasDeDisposition {
    int noJoueur;
    bool complet;
    Rect panel, atout, cartes, action, information, nom;
};

}  // namespace

TEST_F(PanelDeJoueurTest, LayoutInTheFourCorners) {
    const Rect vide;
    const CasDeDisposition cas[] = {
        {0, true, {8, 0, 284, 376}, {0, 0, 284, 49}, {0, 49, 284, 129}, {0, 178, 284, 49}, {0, 229, 284, 147},
         {2, 1, 280, 14}},
        {1, true, {8, 224, 284, 376}, {0, 327, 284, 49}, {0, 198, 284, 129}, {0, 149, 284, 49}, {0, 2, 284, 147},
         {2, 198 + 115, 280, 14}},
        {2, false, {608, 422, 284, 178}, {0, 129, 284, 49}, {0, 0, 284, 129}, vide, vide, {2, 115, 280, 14}},
        {3, false, {608, 0, 284, 178}, {0, 0, 284, 49}, {0, 49, 284, 129}, vide, vide, {2, 1, 280, 14}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.noJoueur);
        const auto panel = c.complet ? panelDuJoueur(c.noJoueur) : panelOrdinateur(c.noJoueur);
        EXPECT_EQ(panel->estComplet(), c.complet);
        EXPECT_EQ(panel->rect(), c.panel);
        EXPECT_EQ(panel->rectZoneAtout(), c.atout);
        EXPECT_EQ(panel->rectZoneCartes(), c.cartes);
        EXPECT_EQ(panel->rectZoneAction(), c.action);
        EXPECT_EQ(panel->rectInformation(), c.information);
        // The name has a row of its own: above the trump buttons in the upper panels, under the
        // hand in the lower ones, where neither the buttons nor the shown melds cover it.
        EXPECT_EQ(panel->rectNom(), c.nom);
        EXPECT_FALSE(panel->zoneAtoutVisible());
    }
    const auto panel = panelDuJoueur();
    EXPECT_EQ(panel->rectBoutonAction(), (Rect{100, 12, 84, 25}));
    EXPECT_EQ(panel->legendeAction(), "&Distribuer");
    EXPECT_FALSE(panel->boutonActionActif());
    // A remote human has no action area: only the user answers at this computer.
    PanelDeJoueur distant("Pierre", 2, OptionsDuJoueur::Humain, true, nullptr, suisseRomand(), true);
    EXPECT_FALSE(distant.estComplet());
}

// Nine cards spread over the area, each showing a strip of 22 of its 71 pixels: the index and
// part of the picture.
TEST_F(PanelDeJoueurTest, NineCardsCentredAndSpreadOverTheArea) {
    const auto panel = panelDuJoueur();
    panel->afficheCartes(ens("AC 6T 7T 8T 9K XK VK DK RP"), true);
    EXPECT_EQ(panel->ecart(), 22);
    EXPECT_EQ(lefts(*panel), (std::vector<int>{18, 40, 62, 84, 106, 128, 150, 172, 194}));
    const int margeDroite = 284 - (194 + 71);
    EXPECT_LE(std::abs(margeDroite - 18), 1);
    for (const auto& p : panel->cartesPlacees()) {
        EXPECT_EQ(p.top, 18);
        EXPECT_TRUE(p.faceVisible);  // the user's own hand, whatever the caller asks
    }
    EXPECT_EQ(panel->cartesPlacees().front().carte, &c("6T"));  // tag order
    EXPECT_EQ(panel->cartes(), ens("AC 6T 7T 8T 9K XK VK DK RP"));

    // Re-placed in a wider window, the hand spreads further and stays in the middle of its area;
    // in the narrowest area the cards still lie 12 pixels apart.
    panel->place(1200, 600);
    EXPECT_EQ(panel->ecart(), 35);
    EXPECT_EQ(panel->cartesPlacees().front().left, (384 - 8 * 35 - 71) / 2);
    panel->place(400, 600);
    EXPECT_EQ(panel->ecart(), 12);
}

TEST_F(PanelDeJoueurTest, OtherPanelsShowBacksOnlyWhenAsked) {
    const auto panel = panelOrdinateur(1);
    panel->afficheCartes(ens("6T 7T"), true);
    EXPECT_FALSE(panel->cartesPlacees()[0].faceVisible);
    EXPECT_EQ(lefts(*panel), (std::vector<int>{(284 - 22 - 71) / 2, (284 - 22 - 71) / 2 + 22}));
    panel->montreFaces();
    EXPECT_TRUE(panel->cartesPlacees()[1].faceVisible);
    panel->reaffiche(false);
    EXPECT_TRUE(panel->cartesPlacees()[0].faceVisible);
    panel->afficheCartes(CarteSet(), true);
    EXPECT_TRUE(panel->cartes().empty());
}

TEST_F(PanelDeJoueurTest, TenCardsIsAnInternalError) {
    AssertionsRelevees assertions;
    const auto panel = panelDuJoueur();
    panel->afficheCartes(ens("6T 7T 8T 9T XT VT DT RT AT 6K"), false);
    EXPECT_TRUE(assertions.contient("nbCartes < 10+NB_NON_CARTE"));
}

TEST_F(PanelDeJoueurTest, SeatOutsideTheTableIsAnInternalError) {
    AssertionsRelevees assertions;
    PanelDeJoueur panel("Vous", 4, OptionsDuJoueur::Humain, false, &joueur, suisseRomand(), false);
    EXPECT_TRUE(assertions.contient("noJoueur_ < 4 && noJoueur_ >= 0"));
}

TEST_F(PanelDeJoueurTest, HoverFromAcceptedToRefusedCard) {
    const auto panel = panelDuJoueur();
    panel->afficheCartes(ens("6T 7T 8T AC"), false);
    panel->setAtoutAffiche(Atout::Coeur);
    panel->attendCarte(23);
    joueur.verdicts[&c("AC")] = StatusCarteJouee::RefuseeDoitServir;

    survole(*panel, c("7T"));
    EXPECT_EQ(panel->carteSelectionnee(), &c("7T"));
    EXPECT_EQ(placee(*panel, c("7T")).top, 9);
    EXPECT_EQ(panel->lignesInformation(),
              (std::vector<std::string>{c("7T").texteInformation(Atout::Coeur), texte(3078)}));

    panel->survole(placee(*panel, c("7T")).left + 5, 40);  // still the same card: nothing asked
    EXPECT_EQ(joueur.verdictsDemandes.size(), 1u);

    panel->survole(placee(*panel, c("AC")).left + 30, 100);
    EXPECT_EQ(panel->carteSelectionnee(), nullptr);
    EXPECT_EQ(placee(*panel, c("7T")).top, 18);
    EXPECT_EQ(placee(*panel, c("AC")).top, 18);
    EXPECT_EQ(panel->lignesInformation(),
              (std::vector<std::string>{c("AC").texteInformation(Atout::Coeur), "Vous ne pouvez pas jouer cette carte:",
                                        "", texte(3073)}));
    EXPECT_GT(changements, 0);
}

// Where the cards overlap the frontmost one counts; below a raised card's bottom none does.
TEST_F(PanelDeJoueurTest, HoverHitsTheFrontCardAboveTheRaisedBottom) {
    const auto panel = panelDuJoueur();
    panel->afficheCartes(ens("6T 7T 8T"), false);
    panel->attendCarte(23);
    const int gauche6T = placee(*panel, c("6T")).left;
    panel->survole(gauche6T + 50, 20);
    EXPECT_EQ(panel->carteSelectionnee(), &c("8T"));
    panel->survole(gauche6T + 50, 105);
    EXPECT_EQ(panel->carteSelectionnee(), nullptr);
    EXPECT_EQ(placee(*panel, c("8T")).top, 18);
    panel->survole(gauche6T - 1, 20);
    EXPECT_EQ(panel->carteSelectionnee(), nullptr);
}

// Out of a card request the table has no verdict to give, so the hand does not react.
TEST_F(PanelDeJoueurTest, HandReactsOnlyWhileACardIsAwaited) {
    const auto panel = panelDuJoueur();
    panel->afficheCartes(ens("6T 7T"), false);
    survole(*panel, c("6T"));
    EXPECT_TRUE(joueur.verdictsDemandes.empty());
    EXPECT_EQ(panel->carteSelectionnee(), nullptr);

    const auto autre = panelOrdinateur(1);
    autre->afficheCartes(ens("6K 7K"), false);
    autre->attendCarte(3);
    survole(*autre, c("6K"));
    EXPECT_EQ(autre->carteSelectionnee(), nullptr);
}

TEST_F(PanelDeJoueurTest, DoubleClickPlaysTheRaisedCardOnly) {
    const auto panel = panelDuJoueur();
    panel->afficheCartes(ens("6T 7T 8T"), false);
    panel->attendCarte(23);
    panel->doubleClic();
    EXPECT_TRUE(joueur.appels.empty());
    EXPECT_TRUE(panel->zoneCartesActive());

    survole(*panel, c("8T"));
    ASSERT_FALSE(panel->lignesInformation().empty());
    panel->doubleClic();
    EXPECT_EQ(joueur.appels, (std::vector<std::string>{"carte 1_8 23"}));
    EXPECT_EQ(panel->carteSelectionnee(), nullptr);
    EXPECT_EQ(placee(*panel, c("8T")).top, 18);
    EXPECT_FALSE(panel->zoneCartesActive());
    EXPECT_TRUE(panel->lignesInformation().empty());
    panel->doubleClic();
    EXPECT_EQ(joueur.appels.size(), 1u);

    // The table takes the card to the central pile; the rest of the hand closes up, no gap left.
    panel->retireCarte(c("7T"));
    EXPECT_EQ(panel->cartes(), ens("6T 8T"));
    EXPECT_EQ(lefts(*panel), (std::vector<int>{(284 - 22 - 71) / 2, (284 - 22 - 71) / 2 + 22}));
}

TEST_F(PanelDeJoueurTest, DropOnThePilePlaysTheDraggedCard) {
    const auto panel = panelDuJoueur();
    panel->afficheCartes(ens("6T 7T"), false);
    panel->attendCarte(31);
    EXPECT_FALSE(panel->peutGlisser());
    panel->lache();
    EXPECT_TRUE(joueur.appels.empty());
    survole(*panel, c("6T"));
    EXPECT_TRUE(panel->peutGlisser());
    panel->lache();
    EXPECT_EQ(joueur.appels, (std::vector<std::string>{"carte 1_6 31"}));
    EXPECT_FALSE(panel->peutGlisser());
}

TEST_F(PanelDeJoueurTest, SixTrumpButtonsUnderSuisseAllemand) {
    const auto panel = panelDuJoueur(0, suisseAllemand());
    const auto& boutons = panel->boutonsAtout();
    ASSERT_EQ(boutons.size(), 6u);
    EXPECT_EQ(boutons[4].tag, 5);
    EXPECT_EQ(boutons[4].image, "5_btn.bmp");
    EXPECT_EQ(boutons[4].conseil, "De haut en bas x3, chaque huit vaut huit points");
    EXPECT_EQ(boutons[2].conseil, "Pique x2");
    // Under the name's row in an upper panel, at the top of the area in a lower one.
    EXPECT_EQ(boutons[0].rect, (Rect{91, 15, 17, 17}));
    EXPECT_EQ(boutons[5].rect, (Rect{176, 15, 17, 17}));
    EXPECT_EQ(panel->boutonChibre().rect, (Rect{91, 32, 102, 17}));
    EXPECT_EQ(panelDuJoueur(1, suisseAllemand())->boutonChibre().rect, (Rect{91, 25, 102, 17}));
    EXPECT_EQ(panel->boutonChibre().legende, "&Chibre");
    EXPECT_EQ(panelDuJoueur(0, suisseRomand())->boutonsAtout().size(), 4u);
}

TEST_F(PanelDeJoueurTest, TrumpRequestAnswersOnceAndHonoursTheChibreBan) {
    const auto panel = panelDuJoueur(0, suisseAllemand());
    panel->afficheBoutons();
    panel->attendAtout(false, 3);
    EXPECT_TRUE(panel->zoneAtoutVisible());
    EXPECT_TRUE(panel->zoneAtoutActive());
    EXPECT_FALSE(panel->boutonChibre().actif);
    EXPECT_EQ(panel->idDemandeAtout(), 3);
    EXPECT_TRUE(panel->atoutAttendu());
    panel->cliqueChibre();
    EXPECT_TRUE(joueur.appels.empty());

    panel->cliqueAtout(Atout::BasEnHaut);
    panel->cliqueAtout(Atout::Trefle);
    StatusAtout attendu;
    attendu.estChoisi = true;
    attendu.atout = Atout::BasEnHaut;
    EXPECT_EQ(joueur.appels, (std::vector<std::string>{"atout " + attendu.save()}));
    EXPECT_TRUE(panel->boutonsAtout()[5].enfonce);
}

TEST_F(PanelDeJoueurTest, ChibreLeavesTheTrumpAreaOpenAChosenModeClosesIt) {
    const auto panel = panelDuJoueur();
    panel->afficheBoutons();
    panel->attendAtout(true, 2);
    panel->cliqueChibre();
    StatusAtout chibre;
    chibre.estChibre = true;
    EXPECT_EQ(joueur.appels, (std::vector<std::string>{"atout " + chibre.save()}));

    panel->cacheBoutons();
    panel->afficheAtout(chibre);
    EXPECT_TRUE(panel->boutonChibre().enfonce);
    EXPECT_TRUE(panel->zoneAtoutVisible());
    EXPECT_TRUE(panel->zoneAtoutActive());
    // Open, but the request is answered: a later click must not answer another request.
    EXPECT_FALSE(panel->atoutAttendu());
    panel->cliqueAtout(Atout::Coeur);
    EXPECT_EQ(joueur.appels.size(), 1u);

    StatusAtout choisi;
    choisi.estChoisi = true;
    choisi.atout = Atout::Carreau;
    panel->afficheAtout(choisi);
    EXPECT_FALSE(panel->boutonChibre().enfonce);
    EXPECT_TRUE(panel->boutonsAtout()[1].enfonce);
    EXPECT_FALSE(panel->boutonsAtout()[0].enfonce);
    EXPECT_FALSE(panel->zoneAtoutActive());
    EXPECT_TRUE(panel->zoneAtoutVisible());

    // The partner's choice after a chibre carries both flags: his panel shows the mode alone.
    choisi.estChibre = true;
    panel->afficheAtout(choisi);
    EXPECT_FALSE(panel->boutonChibre().enfonce);
    EXPECT_TRUE(panel->boutonsAtout()[1].enfonce);

    panel->afficheAtout(StatusAtout());
    EXPECT_FALSE(panel->zoneAtoutVisible());
    EXPECT_FALSE(panel->boutonsAtout()[1].enfonce);
    EXPECT_TRUE(panel->boutonChibre().actif);
}

TEST_F(PanelDeJoueurTest, ActionButtonAnswersEachRequest) {
    const auto panel = panelDuJoueur();
    panel->cliqueAction();
    EXPECT_TRUE(joueur.appels.empty());

    panel->attendDistribue(7);
    EXPECT_EQ(panel->legendeAction(), "&Distribuer");
    EXPECT_TRUE(panel->boutonActionActif());
    EXPECT_TRUE(panel->zoneActionActive());
    EXPECT_TRUE(panel->timerAction().estSurligne());
    panel->cliqueAction();
    panel->finDistribue();
    EXPECT_FALSE(panel->boutonActionActif());
    EXPECT_FALSE(panel->timerAction().estSurligne());

    panel->attendRamasse(28);
    EXPECT_EQ(panel->idLegendeAction(), 2561);
    panel->cliqueAction();
    panel->finRamasse();
    panel->attendConfirmationAnnonces(19);
    EXPECT_EQ(panel->idLegendeAction(), 2566);
    EXPECT_EQ(panel->idDemandeRamasseOuConfirme(), 19);
    panel->cliqueAction();
    panel->finConfirmationAnnonces();
    EXPECT_EQ(joueur.appels, (std::vector<std::string>{"distribue", "ramasse", "annonces vues"}));
    EXPECT_EQ(panel->idDemandeDistribue(), 7);
    EXPECT_EQ(panel->idDemandeCarte(), -1);
    EXPECT_EQ(plateforme.minuteriesActives(), 0);
}

// The option clicks the action button for the user once its pause has passed, and only a button
// that still waits: a click of the user's own, or the option switched off, leaves nothing to do.
TEST_F(PanelDeJoueurTest, AutomaticConfirmationClicksOnlyWhatStillWaitsAfterItsPause) {
    using Action = PanelDeJoueur::Action;
    const auto panel = panelDuJoueur();
    panel->attendRamasse(28);
    plateforme.avance(60000);
    EXPECT_TRUE(joueur.appels.empty()) << "off by default";
    panel->cliqueAction();
    panel->finRamasse();
    joueur.appels.clear();

    panel->setConfirmationAutomatique(true);
    panel->attendRamasse(36);
    plateforme.avance(PanelDeJoueur::pauseAvantConfirmation(Action::Ramasse) - 1);
    EXPECT_TRUE(joueur.appels.empty());
    plateforme.avance(1);
    EXPECT_EQ(joueur.appels, std::vector<std::string>{"ramasse"});
    panel->finRamasse();

    panel->attendConfirmationAnnonces(19);
    plateforme.avance(100);
    panel->cliqueAction();
    panel->finConfirmationAnnonces();
    panel->attendDistribue(7);
    panel->setConfirmationAutomatique(false);
    plateforme.avance(60000);
    EXPECT_EQ(joueur.appels, (std::vector<std::string>{"ramasse", "annonces vues"}));

    // Switched on while the button waits: the pause starts then.
    panel->setConfirmationAutomatique(true);
    plateforme.avance(PanelDeJoueur::pauseAvantConfirmation(Action::Distribue) - 1);
    EXPECT_EQ(joueur.appels.size(), 2u);
    plateforme.avance(1);
    EXPECT_EQ(joueur.appels.back(), "distribue");
    EXPECT_GT(PanelDeJoueur::pauseAvantConfirmation(Action::Distribue),
              PanelDeJoueur::pauseAvantConfirmation(Action::Ramasse));

    const auto ordinateur = panelOrdinateur(1);
    ordinateur->setConfirmationAutomatique(true);
    EXPECT_FALSE(ordinateur->confirmationAutomatique());
}

// Held while the coach reviews the deal that ended, the confirmation waits however long that
// takes, then gives the user its whole pause to read the review.
TEST_F(PanelDeJoueurTest, AHeldAutomaticConfirmationWaitsForItsReleaseThenItsPause) {
    const int pause = PanelDeJoueur::pauseAvantConfirmation(PanelDeJoueur::Action::Distribue);
    const auto panel = panelDuJoueur();
    panel->setConfirmationAutomatique(true);
    panel->attendDistribue(7);
    panel->retientConfirmation(true);
    plateforme.avance(pause + 20000);
    EXPECT_TRUE(joueur.appels.empty());
    panel->retientConfirmation(true);
    panel->retientConfirmation(false);
    plateforme.avance(pause - 1);
    EXPECT_TRUE(joueur.appels.empty()) << "the pause starts again at the release";
    panel->retientConfirmation(false);
    plateforme.avance(1);
    EXPECT_EQ(joueur.appels, std::vector<std::string>{"distribue"});
}

TEST_F(PanelDeJoueurTest, DealRequestWhileArmedIsAnInternalError) {
    AssertionsRelevees assertions;
    const auto panel = panelDuJoueur();
    panel->attendRamasse(28);
    panel->attendDistribue(5);
    EXPECT_TRUE(assertions.contient("boutonAction_->Enabled == false"));

    // Other panels have no action area: their requests change nothing.
    const auto autre = panelOrdinateur(2);
    autre->attendDistribue(5);
    EXPECT_FALSE(autre->boutonActionActif());
    EXPECT_EQ(autre->idDemandeDistribue(), -1);
}

TEST_F(PanelDeJoueurTest, WaitingAreasBlinkExceptForAnotherComputersSeat) {
    const auto panel = panelDuJoueur();
    panel->signaleCartes();
    PanelDeJoueur distant("Pierre", 1, OptionsDuJoueur::Humain, true, nullptr, suisseRomand(), true);
    distant.signaleCartes();
    plateforme.avance(6000);
    EXPECT_FALSE(panel->timerCartes().estSurligne());
    EXPECT_TRUE(distant.timerCartes().estSurligne());
    EXPECT_FALSE(distant.timerCartes().clignote());
    panel->arreteCartes();
    distant.arreteCartes();
    EXPECT_FALSE(distant.timerCartes().estSurligne());

    panel->afficheBoutons();
    EXPECT_TRUE(panel->timerAtout().estSurligne());
    panel->cacheBoutons();
    EXPECT_FALSE(panel->timerAtout().estSurligne());
    EXPECT_EQ(plateforme.minuteriesActives(), 0);
}

TEST_F(PanelDeJoueurTest, ChatSendsOnlyText) {
    PanelDeJoueur panel("Vous", 0, OptionsDuJoueur::Humain, false, &joueur, suisseRomand(), true);
    EXPECT_FALSE(panel.envoieChat(""));
    EXPECT_TRUE(joueur.appels.empty());
    EXPECT_TRUE(panel.envoieChat("salut"));
    EXPECT_EQ(joueur.appels, (std::vector<std::string>{"message salut"}));
    panel.ajouteMessage("Pierre (autre joueur)->salut");
    EXPECT_EQ(panel.lignesChat(), (std::vector<std::string>{"Pierre (autre joueur)->salut"}));
    EXPECT_EQ(PanelDeJoueur::legendePageChat(), texte(2565));
}

// A hidden hand turns its melds face up towards the table's middle, the principal meld first
// from the left edge on the right-hand seats, the third first from the right edge on the others.
TEST_F(PanelDeJoueurTest, MeldsOfAHiddenHand) {
    const CarteSet main = ens("6T 7T 8T 9K XK VK DK AP AC");
    const Annonces annonces(main);
    ASSERT_EQ(annonces.getAnnoncePrincipale().getNbCartes(), 4);
    ASSERT_EQ(annonces.getAnnonce2().getNbCartes(), 3);

    const auto droite = panelOrdinateur(3);
    droite->afficheCartes(main, true);
    droite->afficheAnnonces(annonces);
    const auto& cartes = droite->cartesPlacees();
    ASSERT_EQ(cartes.size(), 9u);
    const std::vector<const Carte*> devant{&c("DK"), &c("VK"), &c("XK"), &c("9K"), &c("8T"), &c("7T"), &c("6T")};
    const std::vector<int> gauches{8, 30, 52, 74, 8 + 8 + 88, 8 + 8 + 110, 8 + 8 + 132};
    for (std::size_t i = 0; i < devant.size(); ++i) {
        SCOPED_TRACE(i);
        const auto& p = cartes[2 + i];
        EXPECT_EQ(p.carte, devant[i]);
        EXPECT_EQ(p.left, gauches[i]);
        EXPECT_EQ(p.top, 27);
        EXPECT_TRUE(p.faceVisible);
    }
    EXPECT_FALSE(placee(*droite, c("AP")).faceVisible);

    const auto gauche = panelOrdinateur(1);
    gauche->afficheCartes(main, true);
    gauche->afficheAnnonces(annonces);
    const int bord = 284 - 8 - 71;
    EXPECT_EQ(placee(*gauche, c("8T")).left, bord - 8);
    EXPECT_EQ(placee(*gauche, c("6T")).left, bord - 8 - 44);
    EXPECT_EQ(placee(*gauche, c("DK")).left, bord - 66);
    EXPECT_EQ(placee(*gauche, c("9K")).left, bord - 66 - 66);
    EXPECT_EQ(placee(*gauche, c("9K")).top, 9);
    EXPECT_EQ(gauche->cartesPlacees().back().carte, &c("9K"));
}

// The user's own cards are face up already: the melds are only raised where they lie.
TEST_F(PanelDeJoueurTest, MeldsOfTheUsersHandAreRaisedInPlace) {
    const auto panel = panelDuJoueur();
    const CarteSet main = ens("6T 7T 8T AP AC");
    panel->afficheCartes(main, false);
    const int gauche7T = placee(*panel, c("7T")).left;
    panel->afficheAnnonces(Annonces(main));
    EXPECT_EQ(placee(*panel, c("7T")).left, gauche7T);
    EXPECT_EQ(placee(*panel, c("7T")).top, 9);
    EXPECT_EQ(placee(*panel, c("AP")).top, 18);
}

TEST_F(PanelDeJoueurTest, MeldCardMissingFromTheHandIsAnInternalError) {
    AssertionsRelevees assertions;
    const auto panel = panelOrdinateur(2);
    panel->afficheCartes(ens("6T 7T AP"), true);
    panel->afficheAnnonces(Annonces(ens("6T 7T 8T")));
    EXPECT_TRUE(assertions.contient(
        "totalCartes == annonce.getAnnonce3().getNbCartes() + annonce.getAnnonce2().getNbCartes() + "
        "annonce.getAnnoncePrincipale().getNbCartes()"));
}

// The arrows stop only on cards the table accepts, round the hand in both directions; Enter plays
// the raised card, and with none raised answers the action button.
TEST_F(PanelDeJoueurTest, KeyboardChoosesAmongAcceptedCardsAndPlays) {
    const auto panel = panelDuJoueur();
    panel->afficheCartes(ens("6T 7T 8T 9T"), false);
    panel->choisitCarteVoisine(1);
    EXPECT_EQ(panel->carteSelectionnee(), nullptr) << "no card is asked for";
    joueur.verdicts[&c("7T")] = StatusCarteJouee::RefuseeDoitServir;
    joueur.verdicts[&c("9T")] = StatusCarteJouee::RefuseeDoitServir;
    panel->attendCarte(12);
    panel->choisitCarteVoisine(1);
    EXPECT_EQ(panel->carteSelectionnee(), &c("6T"));
    EXPECT_EQ(placee(*panel, c("6T")).top, PanelDeJoueur::TOP_CARTE_LEVEE);
    panel->choisitCarteVoisine(1);
    EXPECT_EQ(panel->carteSelectionnee(), &c("8T"));
    EXPECT_EQ(placee(*panel, c("6T")).top, PanelDeJoueur::TOP_CARTE);
    panel->choisitCarteVoisine(1);
    EXPECT_EQ(panel->carteSelectionnee(), &c("6T")) << "round the hand";
    panel->choisitCarteVoisine(-1);
    EXPECT_EQ(panel->carteSelectionnee(), &c("8T"));
    EXPECT_FALSE(panel->lignesInformation().empty());
    panel->valideAuClavier();
    EXPECT_EQ(joueur.appels, (std::vector<std::string>{"carte 1_8 12"}));

    panel->attendRamasse(13);
    panel->valideAuClavier();
    EXPECT_EQ(joueur.appels.back(), "ramasse");
}
