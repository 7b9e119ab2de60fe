#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "players/Joueur.h"
#include "events/Statistiques.h"
#include "table/Table.h"
#include "rules/TypeDePartiesPossibles.h"
#include "rules/OptionsDuJoueur.h"
#include "models/TasCentral.h"
#include "ui/ConseilFlottant.h"
#include "ui/PlateformeQt.h"
#include "ui/Texte.h"
#include "ui/VueCartesRamassees.h"
#include "ui/VuePanelJoueur.h"
#include "ui/VueTable.h"
#include "ui/VueTasCentral.h"

namespace {

void envoieSouris(QWidget* cible, QEvent::Type type, QPoint point, Qt::MouseButton bouton = Qt::NoButton) {
    QMouseEvent evenement(type, point, cible->mapToGlobal(point), bouton, bouton, Qt::NoModifier);
    QApplication::sendEvent(cible, &evenement);
}

// The Qt platform with a fixed time of day: the table's generator, seeded from it, deals the
// same hands at every run.
class PlateformeQtALHeureFixe : public PlateformeQt {
public:
    std::tm heureLocale() const override {
        std::tm heure{};
        heure.tm_year = 124;
        heure.tm_mon = 2;
        heure.tm_mday = 14;
        heure.tm_hour = 20;
        heure.tm_min = 15;
        return heure;
    }
};

// Four local humans at one table, each played through his panel's widgets.
class VueTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        Plateforme::installe(&plateforme_);
        table_ = std::make_unique<Table>(statistiques_);
        vue_ = std::make_unique<VueTable>();
        vue_->resize(792, 554);
        vue_->setTable(table_.get());
        vue_->show();
    }
    void TearDown() override {
        vue_.reset();
        table_.reset();
        Plateforme::installe(nullptr);
    }

    void demarre() {
        table_->commencePartie(Table::NouvellePartie, OptionsDePartie::Local, "");
        const char* noms[4] = {"Anne", "Bernard", "Claire", "Daniel"};
        for (int siege = 0; siege < 4; ++siege)
            table_->inscritJoueur(OptionsDuJoueur(noms[siege], true, 1, false, OptionsDuJoueur::Humain, 2), 2 + siege);
    }

    void cliqueLesBoutonsDAction() {
        for (int siege = 0; siege < 4; ++siege) {
            QPushButton* bouton = vue_->vuePanel(siege)->boutonAction();
            if (bouton->isEnabled()) QTest::mouseClick(bouton, Qt::LeftButton);
        }
    }

    // Moves the pointer over the hand, card by card, until one rises, and double-clicks it.
    const Carte* joueUneCarte(int siege) {
        VuePanelJoueur* vuePanel = vue_->vuePanel(siege);
        PanelDeJoueur& panel = *vuePanel->modele();
        for (const auto& placee : panel.cartesPlacees()) {
            const QPoint point(placee.left + 3, PanelDeJoueur::TOP_CARTE + 20);
            envoieSouris(vuePanel->zoneCartes(), QEvent::MouseMove, point);
            if (panel.carteSelectionnee() != placee.carte) continue;
            const Carte* carte = placee.carte;
            envoieSouris(vuePanel->zoneCartes(), QEvent::MouseButtonPress, point, Qt::LeftButton);
            envoieSouris(vuePanel->zoneCartes(), QEvent::MouseButtonRelease, point, Qt::LeftButton);
            envoieSouris(vuePanel->zoneCartes(), QEvent::MouseButtonDblClick, point, Qt::LeftButton);
            return carte;
        }
        return nullptr;
    }

    PlateformeQtALHeureFixe plateforme_;
    Statistiques statistiques_;
    std::unique_ptr<Table> table_;
    std::unique_ptr<VueTable> vue_;
};

TEST_F(VueTableTest, LesPanelsSuiventLesInscriptionsEtSontPlacesDansLesCoins) {
    demarre();
    for (int siege = 0; siege < 4; ++siege) {
        VuePanelJoueur* vuePanel = vue_->vuePanel(siege);
        ASSERT_EQ(vuePanel->modele(), &table_->getJoueur(siege)->panel());
        EXPECT_TRUE(vuePanel->isVisible());
        EXPECT_EQ(vuePanel->labelNom()->text(), qtexte(table_->getJoueur(siege)->nom()));
    }
    // 792 wide: each column a third, panels 248 wide, 8 from the edges; the user's panel is 376
    // high, so that it meets the panel under it (178 high) without covering it.
    EXPECT_EQ(vue_->vuePanel(0)->geometry(), QRect(8, 0, 248, 376));
    EXPECT_EQ(vue_->vuePanel(2)->geometry(), QRect(792 - 248 - 8, 554 - 376, 248, 376));
    EXPECT_EQ(vue_->vueTas()->geometry(), QRect(264, 154, 264, 184));
    EXPECT_EQ(vue_->labelHistorique(0)->geometry(), QRect(264, 139, 264, 15));
    EXPECT_EQ(vue_->vueRamassees(1)->geometry().topLeft(), QPoint(264, 339));
    EXPECT_EQ(vue_->vueRamassees(0)->geometry().topLeft(), QPoint(528 - 130, 339));

    // Every seat waits for its deal confirmation: the action buttons offer it, and blink.
    EXPECT_EQ(table_->etatJeu(), EvenementDeJeu::AttendDistribue1);
    EXPECT_EQ(vue_->vuePanel(1)->boutonAction()->text(), qtexte(2560));
    EXPECT_TRUE(vue_->vuePanel(1)->boutonAction()->isEnabled());
}

TEST_F(VueTableTest, LaVueSuitLesChangementsDuModeleEtSeReplaceAuRedimensionnement) {
    demarre();
    table_->afficheMessage("Un texte tout neuf.", ModeRejeu::Chargement);
    EXPECT_EQ(vue_->labelHistorique(0)->text(), "Un texte tout neuf.");
    const QString precedent = vue_->labelHistorique(1)->text();
    table_->afficheMessage("Et un autre.", ModeRejeu::Chargement);
    EXPECT_EQ(vue_->labelHistorique(1)->text(), "Un texte tout neuf.");
    EXPECT_NE(precedent, vue_->labelHistorique(1)->text());

    // 900 x 700 is the classic table 792 x 616 at the scale 900 / 792: everything grows by that
    // factor, the cards with it, and the extra height goes to the middle column.
    vue_->resize(900, 700);
    EXPECT_EQ(vue_->echelle().facteur(), 900.0 / 792);
    EXPECT_EQ(vue_->vueTas()->geometry(), QRect(300, 199, 300, 233));
    EXPECT_EQ(vue_->vuePanel(3)->geometry(), QRect(609, 0, 282, 427));
    EXPECT_EQ(vue_->echelle().carte(), QSize(81, 109));
}

TEST_F(VueTableTest, QuatreHumainsJouentUnPliAvecLaSouris) {
    demarre();
    cliqueLesBoutonsDAction();
    ASSERT_EQ(table_->etatJeu(), EvenementDeJeu::AttendAtout);
    const int choisit = table_->joueurDoitChoisirAtout();
    VuePanelJoueur* vueChoix = vue_->vuePanel(choisit);
    ASSERT_TRUE(vueChoix->boutonAtout(0)->isVisible());
    ASSERT_TRUE(vueChoix->boutonAtout(0)->isEnabled());
    QTest::mouseClick(vueChoix->boutonAtout(0), Qt::LeftButton);
    EXPECT_TRUE(vueChoix->boutonAtout(0)->isChecked());
    EXPECT_FALSE(vueChoix->boutonAtout(0)->isEnabled()) << "a chosen mode closes the trump area";

    cliqueLesBoutonsDAction();  // the melds seen
    ASSERT_TRUE(EvenementDeJeu::estEtatCarte(table_->etatJeu()));

    const int premier = table_->prochainJoueur();
    for (int i = 0; i < 4; ++i) {
        const int siege = (premier + i) % 4;
        ASSERT_EQ(table_->prochainJoueur(), siege);
        const Carte* carte = joueUneCarte(siege);
        ASSERT_NE(carte, nullptr) << "some card of the hand may always be played";
        EXPECT_EQ(table_->tasCentral().carteDe(siege), carte);
        EXPECT_FALSE(table_->getJoueur(siege)->getMain().contient(*carte));
        EXPECT_EQ(vue_->vueTas()->carteSous(VueTasCentral::placeSurTas(siege, 264, 184) + QPoint(35, 90)), carte)
            << "the card lies where its seat puts it, in front of the earlier ones";
    }
    EXPECT_EQ(table_->tasCentral().nbCartes(), 4);

    cliqueLesBoutonsDAction();  // the trick collected
    const int cartesRamassees = static_cast<int>(table_->panelRamassees(0).cartes().size() +
                                                 table_->panelRamassees(1).cartes().size());
    EXPECT_EQ(cartesRamassees, 4);
    EXPECT_EQ(table_->tasCentral().nbCartes(), 0);
    EXPECT_EQ(vue_->vueTas()->carteSous(QPoint(132, 92)), nullptr);
}

TEST_F(VueTableTest, UneCarteRefuseeNeSeLevePasEtLInformationDitPourquoi) {
    demarre();
    cliqueLesBoutonsDAction();
    QTest::mouseClick(vue_->vuePanel(table_->joueurDoitChoisirAtout())->boutonAtout(0), Qt::LeftButton);
    cliqueLesBoutonsDAction();
    const int premier = table_->prochainJoueur();
    const Carte* entame = joueUneCarte(premier);
    ASSERT_NE(entame, nullptr);
    // The next seat: a card of another suit while he holds the led suit is refused.
    const int siege = table_->prochainJoueur();
    VuePanelJoueur* vuePanel = vue_->vuePanel(siege);
    PanelDeJoueur& panel = *vuePanel->modele();
    const CarteSet main = panel.cartes();
    bool aLaCouleur = false;
    for (const Carte& carte : main) aLaCouleur |= carte.getCouleur() == entame->getCouleur();
    ASSERT_TRUE(aLaCouleur) << "the fixed deal gives the next seat a card of the led suit";
    for (const auto& placee : panel.cartesPlacees()) {
        if (placee.carte->getCouleur() == entame->getCouleur() || placee.carte->getCouleur() == valeur(Atout::Trefle))
            continue;
        envoieSouris(vuePanel->zoneCartes(), QEvent::MouseMove, QPoint(placee.left + 3, 40));
        EXPECT_EQ(panel.carteSelectionnee(), nullptr);
        EXPECT_TRUE(vuePanel->information()->toPlainText().contains(qtexte(3072)));
        envoieSouris(vuePanel->zoneCartes(), QEvent::MouseButtonDblClick, QPoint(placee.left + 3, 40), Qt::LeftButton);
        EXPECT_EQ(table_->tasCentral().carteDe(siege), nullptr) << "a double click with no raised card plays nothing";
        return;
    }
    FAIL() << "the fixed deal gives the next seat a card of another suit";
}

// A deal's first trick played with the keyboard alone, through the same requests as the mouse.
TEST_F(VueTableTest, UnPliJoueAuClavier) {
    demarre();
    const auto touche = [this](Qt::Key k) { QTest::keyClick(vue_.get(), k); };
    for (int siege = 0; siege < 4; ++siege) touche(Qt::Key_Return);  // each seat's deal
    ASSERT_EQ(table_->etatJeu(), EvenementDeJeu::AttendAtout);
    const int choisit = table_->joueurDoitChoisirAtout();
    touche(Qt::Key_3);
    EXPECT_TRUE(vue_->vuePanel(choisit)->boutonAtout(2)->isChecked());
    for (int siege = 0; siege < 4; ++siege) touche(Qt::Key_Return);  // the melds seen
    ASSERT_TRUE(EvenementDeJeu::estEtatCarte(table_->etatJeu()));
    for (int carte = 0; carte < 4; ++carte) {
        const int siege = table_->prochainJoueur();
        touche(Qt::Key_Right);
        const Carte* levee = vue_->vuePanel(siege)->modele()->carteSelectionnee();
        ASSERT_NE(levee, nullptr);
        touche(Qt::Key_Return);
        EXPECT_EQ(table_->tasCentral().carteDe(siege), levee);
    }
    for (int siege = 0; siege < 4; ++siege) touche(Qt::Key_Return);  // the trick collected
    EXPECT_EQ(table_->tasCentral().nbCartes(), 0);
    EXPECT_EQ(table_->panelRamassees(0).cartes().size() + table_->panelRamassees(1).cartes().size(), 4u);
}

// The hint of a trump button lies beside the trump area, so that the click on "Chibre" or on
// another mode right after it lands on the button, whichever corner the panel is in.
TEST_F(VueTableTest, LeConseilDUnBoutonDAtoutNeCouvreAucunBouton) {
    demarre();
    for (int siege = 0; siege < 4; ++siege) {
        SCOPED_TRACE(siege);
        VuePanelJoueur* vuePanel = vue_->vuePanel(siege);
        vuePanel->modele()->afficheBoutons();
        const auto global = [](const QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); };
        QToolButton* trefle = vuePanel->boutonAtout(0);
        QHelpEvent survol(QEvent::ToolTip, QPoint(5, 5), trefle->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(trefle, &survol);
        auto* conseil = vuePanel->findChild<ConseilFlottant*>();
        ASSERT_NE(conseil, nullptr);
        ASSERT_TRUE(conseil->isVisible());
        EXPECT_EQ(conseil->text(), trefle->toolTip());
        EXPECT_TRUE(conseil->testAttribute(Qt::WA_TransparentForMouseEvents));
        EXPECT_FALSE(global(conseil).intersects(global(vuePanel->boutonChibre())));
        for (int i = 0; i < vuePanel->nbBoutonsAtout(); ++i)
            EXPECT_FALSE(global(conseil).intersects(global(vuePanel->boutonAtout(i)))) << i;
        QEvent depart(QEvent::Leave);
        QApplication::sendEvent(trefle, &depart);
        EXPECT_FALSE(conseil->isVisible());
    }
}

// A network game's panel keeps its information list inside the tab widget with the chat page;
// binding the view to the next game's panel (a new game after a network game) must not free that
// list twice.
TEST(VuePanelJoueurEnReseau, SeRelieAUnAutrePanelSansLibererDeuxFoisSaListe) {
    const TypeDePartie& type = TypeDePartiesPossibles::commune()[0];
    PanelDeJoueur reseau("Anne", 0, OptionsDuJoueur::Humain, false, nullptr, type, true);
    PanelDeJoueur local("Anne", 0, OptionsDuJoueur::Humain, false, nullptr, type, false);
    VuePanelJoueur vue;
    vue.lie(&reseau);
    ASSERT_NE(vue.findChild<QTabWidget*>(), nullptr);
    vue.lie(&local);
    EXPECT_EQ(vue.findChild<QTabWidget*>(), nullptr);
    EXPECT_EQ(vue.findChildren<QPlainTextEdit*>().size(), 1);
    vue.lie(&reseau);
    vue.delie();
    EXPECT_TRUE(vue.findChildren<QPlainTextEdit*>().isEmpty());
}

TEST(VueTasCentral, LesCartesSePlacentVersLeurSiege) {
    EXPECT_EQ(VueTasCentral::placeSurTas(2, 300, 200), QPoint(136, 84));
    EXPECT_EQ(VueTasCentral::placeSurTas(0, 300, 200), QPoint(150 - 56, 100 - 80));
    EXPECT_EQ(VueTasCentral::placeSurTas(1, 300, 200), QPoint(150 - 71, 100 - 32));
    EXPECT_EQ(VueTasCentral::placeSurTas(3, 301, 201), QPoint(151, 101 - 64));
}

}  // namespace
