#include <gtest/gtest.h>

#include <QAction>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include "platform/Exception.h"
#include "platform/TableDesTextes.h"
#include "players/FabriqueDeJoueurs.h"
#include "players/JoueurSansMemoire.h"
#include "rules/TypeDePartie.h"
#include "ui/PlateformeQt.h"
#include "ui/Langue.h"
#include "ui/ReponseModale.h"
#include "ui/TFormJeuDeCartes.h"
#include "ui/Texte.h"
#include <QPlainTextEdit>
#include <QToolButton>

#include "ui/ImagesCartes.h"
#include "ui/VuePanelJoueur.h"
#include "ui/VueMainsDeLaDonne.h"
#include "ui/VueTable.h"
#include "support/Fichiers.h"

namespace {

// A computer seat that answers every request at once with the plainest choice, so that the
// main window's games run without the real computer players.
class JoueurAutomatique : public JoueurSansMemoire {
public:
    explicit JoueurAutomatique(const ContexteJoueur& contexte) : JoueurSansMemoire(contexte), typeDePartie_(contexte.typeDePartie) {}

    void choisitAtout(StatusAtout, CarteSet) override {
        StatusAtout status;
        status.estChoisi = true;
        status.atout = Atout::Trefle;
        status.multiplicateur = typeDePartie_.getMultiplicateur(Atout::Trefle);
        choixAtoutFait(status, noDemande_);
    }
    void annonce(CarteSet main) override { annoncesFaites(Annonces(main), noDemande_); }
    void choisitCarte(const Partie& partie, int, CarteSet main) override {
        cartePosee(*partie.cartesJouables(main).begin(), noDemande_);
    }
    void distribue() override {
        if (const auto action = std::exchange(pendantLaDemande, nullptr)) action();
        distributionConfirmee(noDemande_);
    }
    void finDePartie(bool, bool) override { finDePartieConfirmee(noDemande_); }
    void ramasseTas() override { tasRamasse(noDemande_); }
    void confirmeAnnonces() override { annoncesConfirmees(noDemande_); }

    // Run once, the next time the table asks a seat to deal: while a request is in progress.
    static inline std::function<void()> pendantLaDemande;

private:
    const TypeDePartie& typeDePartie_;
};

std::unique_ptr<Joueur> creeJoueurAutomatique(const ContexteJoueur& contexte) {
    return std::make_unique<JoueurAutomatique>(contexte);
}

class TFormJeuDeCartesTest : public ::testing::Test {
protected:
    void SetUp() override {
        Plateforme::installe(&plateforme_);
        precedente_ = fabriquePour(OptionsDuJoueur::AI);
        enregistreFabrique(OptionsDuJoueur::AI, creeJoueurAutomatique);
    }
    void TearDown() override {
        JoueurAutomatique::pendantLaDemande = nullptr;
        enregistreFabrique(OptionsDuJoueur::AI, precedente_);
        Plateforme::installe(nullptr);
    }

    std::unique_ptr<TFormJeuDeCartes> fenetre(QStringList arguments) {
        auto f = std::make_unique<TFormJeuDeCartes>(std::move(arguments));
        f->dialogues().optionsDePartie = [this](OptionsDePartie& options) {
            ++dialoguesDOptions_;
            options.setNiveau(OptionsDePartie::NIVEAU_DEBUTANT);
        };
        plateforme_.setFenetre(f.get());
        return f;
    }

    // A window whose start-up started nothing (an unknown option): the test starts the games.
    std::unique_ptr<TFormJeuDeCartes> fenetreSansPartie() {
        auto f = fenetre({"trumpwise", "-rien"});
        EXPECT_THROW(f->timer_Timer(), Exception);
        return f;
    }

    PlateformeQt plateforme_;
    FabriqueJoueur precedente_ = nullptr;
    int dialoguesDOptions_ = 0;
};

TEST_F(TFormJeuDeCartesTest, SansArgumentUneNouvellePartieLocaleCommenceApresLeDialogueDOptions) {
    auto f = fenetre({"trumpwise"});
    EXPECT_EQ(f->windowTitle(), "Trumpwise");
    ASSERT_TRUE(QTest::qWaitFor([&] { return f->table() != nullptr; }, 2000));
    Table& table = *f->table();
    EXPECT_EQ(dialoguesDOptions_, 1);
    EXPECT_EQ(f->windowTitle(), qtexte(2));
    EXPECT_EQ(table.etatJeu(), EvenementDeJeu::AttendDistribue1);
    EXPECT_EQ(table.getJoueur(0)->options().getRace(), OptionsDuJoueur::Humain);
    EXPECT_EQ(table.getJoueur(2)->options().nom(), texte(3584));
    EXPECT_EQ(table.getJoueur(1)->options().nom(), texte(2816));
    EXPECT_EQ(table.getJoueur(3)->options().nom(), texte(2817));
    EXPECT_EQ(table.getJoueur(1)->options().getNiveau(), OptionsDePartie::NIVEAU_DEBUTANT);
    EXPECT_EQ(table.getJoueur(2)->options().getNiveau(), OptionsDePartie::NIVEAU_EXPERT);
    EXPECT_EQ(table.getJoueur(3)->options().getAppels(), table.getJoueur(1)->options().getAppels());
    EXPECT_EQ(f->vueTable()->vuePanel(0)->modele(), &table.getJoueur(0)->panel());
    EXPECT_TRUE(f->action("Hbergerunepartie1")->isEnabled());
    EXPECT_FALSE(f->action("Dconnecter1")->isEnabled());
}

TEST_F(TFormJeuDeCartesTest, UneLigneDeCommandeInvalideMontreLUsageSansCommencerDePartie) {
    auto f = fenetre({"trumpwise", "-French"});
    try {
        f->timer_Timer();
        FAIL() << "the usage text is an error";
    } catch (const Exception& erreur) {
        EXPECT_EQ(std::string(erreur.what()).rfind("La ligne de commande 'trumpwise -French' n'est pas valide.", 0), 0u)
            << erreur.what();
    }
    EXPECT_EQ(f->table(), nullptr);
    EXPECT_EQ(dialoguesDOptions_, 0);
}

TEST_F(TFormJeuDeCartesTest, LesMenusReseauNeLaissentQueLaConnection) {
    auto f = fenetreSansPartie();
    f->menusReseau();
    EXPECT_FALSE(f->action("Hbergerunepartie1")->isEnabled());
    EXPECT_FALSE(f->action("Joindreunepartieclient1")->isEnabled());
    EXPECT_TRUE(f->action("Dconnecter1")->isEnabled());
    f->menusLocaux();
    EXPECT_TRUE(f->action("Joindreunepartieclient1")->isEnabled());
    EXPECT_FALSE(f->action("Dconnecter1")->isEnabled());
}

TEST_F(TFormJeuDeCartesTest, UneNouvellePartiePendantUneDemandeEstRefusee) {
    auto f = fenetreSansPartie();
    QString avertissement;
    Table* pendant = nullptr;
    JoueurAutomatique::pendantLaDemande = [&] {
        quandModalOuvert<QMessageBox>([&](QMessageBox& boite) { avertissement = boite.text(); });
        pendant = f->table();
        f->Nouvellepartie1Click();
    };
    f->Nouvellepartie1Click();
    EXPECT_EQ(avertissement, qtexte(3650));
    ASSERT_NE(pendant, nullptr);
    EXPECT_EQ(f->table(), pendant) << "the game in progress stays";
    EXPECT_EQ(dialoguesDOptions_, 1);
}

TEST_F(TFormJeuDeCartesTest, UnePartieEntameeNEstAbandonneeQueSurConfirmation) {
    auto f = fenetreSansPartie();
    f->Nouvellepartie1Click();
    QTest::mouseClick(f->vueTable()->vuePanel(0)->boutonAction(), Qt::LeftButton);  // deal
    Table* entamee = f->table();
    ASSERT_TRUE(entamee->estModifiee());

    QString question;
    quandModalOuvert<QMessageBox>([&](QMessageBox& boite) {
        question = boite.text();
        boite.button(QMessageBox::Cancel)->click();
    });
    f->Nouvellepartie1Click();
    EXPECT_EQ(question, qtexte(3648));
    EXPECT_EQ(f->table(), entamee);

    quandModalOuvert<QMessageBox>([&](QMessageBox& boite) { boite.button(QMessageBox::Ok)->click(); });
    f->Nouvellepartie1Click();
    EXPECT_NE(f->table(), entamee);
    EXPECT_EQ(f->table()->etatJeu(), EvenementDeJeu::AttendDistribue1);
}

TEST_F(TFormJeuDeCartesTest, SauverEcritLaPartieQuOuvrirRejoue) {
    auto f = fenetreSansPartie();
    f->Nouvellepartie1Click();
    QTest::mouseClick(f->vueTable()->vuePanel(0)->boutonAction(), Qt::LeftButton);
    const int etat = f->table()->etatJeu();
    const QString fichier = QDir::temp().filePath(QStringLiteral("trumpwise-ui-%1.jss").arg(QCoreApplication::applicationPid()));
    f->dialogues().fichierASauver = [&](const QString&) { return fichier; };
    f->Sauvegarder1Click();
    EXPECT_FALSE(f->table()->estModifiee());

    f->dialogues().fichierAOuvrir = [&] { return fichier; };
    QString question;
    quandModalOuvert<QMessageBox>([&](QMessageBox& boite) {
        question = boite.text();
        boite.button(QMessageBox::No)->click();
    });
    f->Ouvrir1Click();
    EXPECT_EQ(question, qtexte(1538)) << "a file of more than ten lines offers the film";
    EXPECT_EQ(f->table()->etatJeu(), etat);
    QFile::remove(fichier);
}

// After a German session, "-english" brings the French cards with the English texts, and the
// hints of the table read in English at once, not at the next start.
TEST_F(TFormJeuDeCartesTest, LaLangueDeLaLigneDeCommandeChangeCartesEtConseils) {
    ASSERT_TRUE(langue::choisit(QStringLiteral("DEU")));
    auto f = fenetre({"trumpwise", "-english"});
    f->timer_Timer();
    EXPECT_EQ(texte(5), "ENU");
    EXPECT_EQ(f->styleCartes(), StyleCartes::Francaises);
    EXPECT_EQ(ImagesCartes::instance().style(), StyleCartes::Francaises);
    EXPECT_TRUE(f->action("Francaises1")->isChecked());
    QPlainTextEdit* information = f->vueTable()->vuePanel(0)->information();
    ASSERT_NE(information, nullptr);
    EXPECT_EQ(information->placeholderText(), qtexte(2562));
    EXPECT_TRUE(information->placeholderText().startsWith("Double-click"));
    EXPECT_EQ(f->vueTable()->vuePanel(0)->boutonChibre()->text(), qtexte(2563));
    f.reset();
    langue::choisit(QStringLiteral("FRA"));
}

}  // namespace

// A game file of three deals, opened: the hands of the third deal wait in the middle of the
// table for the next one to be dealt, and the View menu's score sheet lists the three deals.
TEST_F(TFormJeuDeCartesTest, UnePartieOuverteMontreSesMainsEtSaFeuilleDeMarque) {
    const auto lignes = lignesDuFichier(litFichier(std::filesystem::path(TRUMPWISE_FIXTURES_DIR) / "partie-standard.jss"));
    std::string troisDonnes;
    int settings = 0;
    for (const std::string& ligne : lignes) {
        troisDonnes += ligne + "\r\n";
        if (ligne.find("EnregistrementSettingsPartie") != std::string::npos && ++settings == 4) break;
    }
    const std::filesystem::path fichier = cheminTemporaire("trois-donnes.jss");
    ecritFichier(fichier, troisDonnes);

    auto f = fenetreSansPartie();
    f->dialogues().fichierAOuvrir = [&] { return QString::fromStdString(fichier.string()); };
    quandModalOuvert<QMessageBox>([](QMessageBox& boite) { boite.button(QMessageBox::No)->click(); });
    f->Ouvrir1Click();
    std::filesystem::remove(fichier);
    ASSERT_EQ(f->table()->etatJeu(), EvenementDeJeu::AttendDistribue1);
    ASSERT_FALSE(f->vueTable()->vueMains()->isHidden());
    EXPECT_EQ(f->vueTable()->vueMains()->texte(0), qtexte(formate(3955, 3)));

    std::vector<LigneDeMarque> feuille;
    std::array<std::string, 2> equipes;
    f->dialogues().feuilleDeMarque = [&](const std::vector<LigneDeMarque>& l, const std::array<std::string, 2>& e) {
        feuille = l;
        equipes = e;
    };
    f->action("FeuilleDeMarque1")->trigger();
    ASSERT_EQ(feuille.size(), 3u);
    EXPECT_EQ(feuille[2].donne, "3");
    EXPECT_FALSE(feuille[2].totaux[0].empty());
    EXPECT_EQ(equipes[0], f->table()->nomDuJoueur(0) + " & " + f->table()->nomDuJoueur(2));
    EXPECT_EQ(f->action("DernierPli1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
    f->menusReseau();
    EXPECT_TRUE(f->action("FeuilleDeMarque1")->isEnabled()) << "the View menu stays in a network game";
}

// A damaged statistics file never stops the start: fresh statistics, one box that says why.
TEST_F(TFormJeuDeCartesTest, DesStatistiquesEndommageesRepartentDeZeroEtLeDisentUneFois) {
    const std::filesystem::path fichier = cheminTemporaire("statistiques.txt");
    ecritFichier(fichier, "{12\xA6" "3\xA6" "2\xA6" "0\xA6}");
    auto f = fenetre({"trumpwise", "-rien"});
    f->setFichierDeStatistiques(QString::fromStdString(fichier.string()));
    EXPECT_EQ(f->statistiques().getPartiesJouees(), 0);
    QString message;
    quandModalOuvert<QMessageBox>([&](QMessageBox& boite) { message = boite.text(); });
    EXPECT_THROW(f->timer_Timer(), Exception) << "then the command line goes on as always";
    EXPECT_EQ(message, qtexte(formate(3964, fichier.string())));
    EXPECT_FALSE(std::filesystem::exists(fichier));
    f.reset();  // the fresh statistics are written when the window goes
    std::filesystem::remove(fichier);
    std::filesystem::remove(fichier.string() + ".endommage");
}

// The master's advice is a display option of the View menu, off until the user asks for it and
// then remembered for the next runs.
TEST_F(TFormJeuDeCartesTest, LesConseilsDuMaitreSontUneOptionRetenue) {
    QSettings reglages(QStringLiteral("Trumpwise"), QStringLiteral("Trumpwise"));
    reglages.remove(QStringLiteral("ConseilsDuMaitre"));
    {
        auto f = fenetreSansPartie();
        QAction* conseils = f->action("ConseilsDuMaitre1");
        ASSERT_NE(conseils, nullptr);
        EXPECT_EQ(conseils->text(), qtexte(3979));
        EXPECT_EQ(conseils->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
        EXPECT_FALSE(conseils->isChecked());
        EXPECT_FALSE(f->vueTable()->suggestion()->active());
        conseils->trigger();
        EXPECT_TRUE(f->vueTable()->suggestion()->active());
    }
    auto f = fenetreSansPartie();
    EXPECT_TRUE(f->action("ConseilsDuMaitre1")->isChecked());
    EXPECT_TRUE(f->vueTable()->suggestion()->active());
    f->action("ConseilsDuMaitre1")->trigger();
    EXPECT_FALSE(f->vueTable()->suggestion()->active());
    reglages.sync();
    EXPECT_FALSE(reglages.value(QStringLiteral("ConseilsDuMaitre"), true).toBool());
}
