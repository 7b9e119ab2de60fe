// The layout check: in the three languages and at the smallest, the classic and a full-HD size,
// a deal is played against the computer with the longest name a user can type and the variant
// with the most trump buttons; at every step every text fits its box, no two parts of the table
// overlap, no card covers a name or the pile's hint line, and no hint covers a button to click.

#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "ai/AI_Joueur.h"
#include "platform/TableDesTextes.h"
#include "players/FabriqueDeJoueurs.h"
#include "support/PartieDeQuatreHumains.h"
#include "ui/ConseilFlottant.h"
#include "ui/Langue.h"
#include "ui/TFormOptionsDuJoueur.h"
#include "ui/Texte.h"
#include "ui/VueCartesRamassees.h"
#include "ui/VueMainsDeLaDonne.h"
#include "ui/VuePanelJoueur.h"
#include "ui/VueTable.h"
#include "ui/VueTasCentral.h"

namespace {

// As long as the player options dialog lets a name be, in wide letters of several scripts' kinds.
const char* const NOM_LE_PLUS_LONG = "Zoé Müller-Wüest";


struct Taille {
    const char* nom;
    QSize zone;
};
// The full-HD screen less the menu bar.
const Taille TAILLES[] = {{"minimum", Echelle::TAILLE_MINIMUM}, {"classique", Echelle::TAILLE_CLASSIQUE},
                          {"1920x1080", QSize(1920, 1080 - 30)}};
const char* const LANGUES[] = {"FRA", "DEU", "ENU"};

QRect dans(const QWidget* widget, const QWidget* repere) {
    return QRect(widget->mapTo(repere, QPoint(0, 0)), widget->size());
}

QRect global(const QWidget* widget) { return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()); }

QString sansEsperluette(QString texte) { return texte.remove(QLatin1Char('&')); }

class Releve {
public:
    explicit Releve(std::string contexte) : contexte_(std::move(contexte)) {}
    void si(bool faute, const std::string& quoi) {
        if (faute && fautes_.size() < 20) fautes_.push_back(contexte_ + ": " + quoi);
    }
    void setEtape(const std::string& etape) { etape_ = etape; }
    const std::vector<std::string>& fautes() const { return fautes_; }
    std::string ou() const { return etape_; }

private:
    std::string contexte_;
    std::string etape_;
    std::vector<std::string> fautes_;
};

std::string s(const QString& texte) { return texte.toStdString(); }

// A single line of text in its label, or wrapped lines within the label's height.
void texteTient(Releve& releve, const QLabel* label, const std::string& quoi) {
    if (!label->isVisible() || label->text().isEmpty()) return;
    const QFontMetrics fm(label->font());
    if (label->wordWrap()) {
        const int hauteur =
            fm.boundingRect(QRect(0, 0, label->width(), 100000), Qt::TextWordWrap, label->text()).height();
        releve.si(hauteur > label->height(), quoi + " wraps higher than its box: " + s(label->text()));
        for (const QString& mot : label->text().split(QLatin1Char(' ')))
            releve.si(fm.horizontalAdvance(mot) > label->width(), quoi + " has a word wider than its box: " + s(mot));
        return;
    }
    releve.si(fm.horizontalAdvance(label->text()) > label->width(), quoi + " is cut: " + s(label->text()));
    releve.si(fm.height() > label->height() + 1, quoi + " is cut in height: " + s(label->text()));
}

void boutonTient(Releve& releve, const QAbstractButton* bouton, const std::string& quoi) {
    if (!bouton->isVisible() || bouton->text().isEmpty()) return;
    const QString texte = sansEsperluette(bouton->text());
    releve.si(QFontMetrics(bouton->font()).horizontalAdvance(texte) + 4 > bouton->width(), quoi + " is cut: " + s(texte));
}

void aucunChevauchement(Releve& releve, const std::vector<std::pair<std::string, QRect>>& parties) {
    for (std::size_t i = 0; i < parties.size(); ++i)
        for (std::size_t j = i + 1; j < parties.size(); ++j)
            releve.si(parties[i].second.intersects(parties[j].second), parties[i].first + " overlaps " + parties[j].first);
}

void verifiePanel(Releve& releve, VuePanelJoueur* vue, int siege) {
    const std::string panel = "panel " + std::to_string(siege);
    texteTient(releve, vue->labelNom(), panel + " name");
    const QRect nom = dans(vue->labelNom(), vue);
    const PanelDeJoueur& modele = *vue->modele();
    const Echelle& echelle = vue->echelle();
    const QPoint zone = vue->zoneCartes()->geometry().topLeft();
    for (const auto& placee : modele.cartesPlacees()) {
        const QRect carte(zone + echelle.point(placee.left, placee.top), echelle.carte());
        releve.si(carte.intersects(nom), panel + ": a card covers the name");
        releve.si(!vue->rect().contains(carte), panel + ": a card leaves the panel");
    }
    for (int i = 0; i < vue->nbBoutonsAtout(); ++i) {
        if (!vue->boutonAtout(i)->isVisible()) continue;
        releve.si(dans(vue->boutonAtout(i), vue).intersects(nom), panel + ": a trump button covers the name");
        releve.si(!vue->rect().contains(dans(vue->boutonAtout(i), vue)), panel + ": a trump button leaves the panel");
    }
    if (vue->boutonChibre()->isVisible()) {
        releve.si(dans(vue->boutonChibre(), vue).intersects(nom), panel + ": the chibre button covers the name");
        boutonTient(releve, vue->boutonChibre(), panel + " chibre button");
    }
    boutonTient(releve, vue->boutonAction(), panel + " action button");
}

// The hint of each trump button, as the user hovering it before his click sees it.
void verifieConseils(Releve& releve, VuePanelJoueur* vue) {
    if (!vue->boutonChibre()->isVisible()) return;
    auto* conseil = vue->findChild<ConseilFlottant*>();
    for (int i = 0; i < vue->nbBoutonsAtout(); ++i) {
        QToolButton* bouton = vue->boutonAtout(i);
        QHelpEvent survol(QEvent::ToolTip, QPoint(3, 3), bouton->mapToGlobal(QPoint(3, 3)));
        QApplication::sendEvent(bouton, &survol);
        releve.si(!conseil || !conseil->isVisible(), "the hint of trump button " + std::to_string(i) + " does not show");
        if (!conseil) return;
        std::vector<QWidget*> cibles{vue->boutonChibre(), vue->boutonAction()};
        for (int j = 0; j < vue->nbBoutonsAtout(); ++j) cibles.push_back(vue->boutonAtout(j));
        for (QWidget* cible : cibles)
            releve.si(cible->isVisible() && global(conseil).intersects(global(cible)),
                      "the hint of trump button " + std::to_string(i) + " covers a button");
        QEvent depart(QEvent::Leave);
        QApplication::sendEvent(bouton, &depart);
    }
}

// Every text of the hands of a deal on one line in its box, no card over a text or outside.
void verifieMains(Releve& releve, const VueMainsDeLaDonne& mains) {
    std::vector<QRect> textes;
    for (int i = 0; i < mains.nbTextes(); ++i) {
        if (mains.texte(i).isEmpty()) continue;
        const QRect rect = mains.rectTexte(i);
        textes.push_back(rect);
        releve.si(QFontMetrics(mains.police(i)).horizontalAdvance(mains.texte(i)) > rect.width(),
                  "a text of the hands of the deal is cut: " + s(mains.texte(i)));
        releve.si(!mains.rect().contains(rect), "a text of the hands of the deal leaves its box");
    }
    for (std::size_t i = 0; i < textes.size(); ++i)
        for (std::size_t j = i + 1; j < textes.size(); ++j)
            releve.si(textes[i].intersects(textes[j]), "two texts of the hands of the deal overlap");
    for (int rang = 0; rang < 4; ++rang) {
        releve.si(mains.mains()[rang].cartes.size() != 9, "a hand of the deal has not its nine cards");
        for (int indice = 0; indice < 9; ++indice) {
            const QRect carte = mains.rectCarte(rang, indice);
            releve.si(!mains.rect().contains(carte), "a card of the hands of the deal leaves its box");
            for (const QRect& texte : textes)
                releve.si(carte.intersects(texte), "a card of the hands of the deal covers a text");
        }
    }
}

void verifie(Releve& releve, VueTable& vue) {
    std::vector<std::pair<std::string, QRect>> parties;
    const auto ajoute = [&](const std::string& nom, const QWidget* w) {
        if (!w->isVisible()) return;
        parties.emplace_back(nom, w->geometry());
        releve.si(!vue.rect().contains(w->geometry()), nom + " leaves the table");
    };
    for (int siege = 0; siege < 4; ++siege) {
        ajoute("panel " + std::to_string(siege), vue.vuePanel(siege));
        if (vue.vuePanel(siege)->modele()) verifiePanel(releve, vue.vuePanel(siege), siege);
    }
    ajoute("pile", vue.vueTas());
    for (int equipe = 0; equipe < 2; ++equipe) {
        VueCartesRamassees* boite = vue.vueRamassees(equipe);
        ajoute("score box " + std::to_string(equipe), boite);
        for (int i = 0; i < PanelDeCartesRamassees::NB_LIBELLES; ++i)
            releve.si(QFontMetrics(boite->police(i)).horizontalAdvance(boite->ligne(i)) > boite->rectLigne(i).width(),
                      "score box line is cut: " + s(boite->ligne(i)));
    }
    ajoute("status line", vue.labelEtat());
    texteTient(releve, vue.labelEtat(), "status line");
    ajoute("advice line", vue.labelConseil());
    texteTient(releve, vue.labelConseil(), "advice line");
    for (int i = 0; i < VueTable::NB_HISTORIQUE; ++i) {
        ajoute("history line " + std::to_string(i), vue.labelHistorique(i));
        texteTient(releve, vue.labelHistorique(i), "history line " + std::to_string(i));
    }

    ajoute("hands of the deal", vue.vueMains());
    if (vue.vueMains()->isVisible()) verifieMains(releve, *vue.vueMains());
    aucunChevauchement(releve, parties);

    VueTasCentral* tas = vue.vueTas();
    const QString indication = tas->texteBandeau();
    releve.si(QFontMetrics(tas->policeLabelAtout()).horizontalAdvance(indication) > tas->rectLabelAtout().width(),
              "the pile's hint line is cut: " + s(indication));
    for (int siege = 0; siege < 4; ++siege) {
        const QRect carte(tas->coinDeCarte(siege), tas->echelle().carte());
        releve.si(carte.intersects(tas->rectLabelAtout()), "a trick card covers the pile's hint line");
        releve.si(!tas->rect().contains(carte), "a trick card leaves the pile");
    }
}

class DispositionTest : public ::testing::Test {
protected:
    void SetUp() override { enregistreFabrique(OptionsDuJoueur::AI, creeAIJoueur); }
    void TearDown() override {
        enregistreFabrique(OptionsDuJoueur::AI, precedente_);
        langue::charge(QStringLiteral("FRA"));
    }

private:
    const FabriqueJoueur precedente_ = fabriquePour(OptionsDuJoueur::AI);
};

}  // namespace

TEST_F(DispositionTest, ToutTientEtRienNeSeChevaucheDansLesTroisLanguesATroisTailles) {
    ASSERT_EQ(QString::fromUtf8(NOM_LE_PLUS_LONG).size(), TFormOptionsDuJoueur::LONGUEUR_NOM_MAX);
    for (const char* code : LANGUES) {
        ASSERT_TRUE(langue::charge(QString::fromLatin1(code)));
        for (const Taille& taille : TAILLES) {
            Releve releve(std::string(code) + " " + taille.nom);
            PartieDeQuatreHumains partie(11);
            partie.plateforme.reponses = {false};
            VueTable vue;
            vue.resize(taille.zone);
            vue.setConseilsDuMaitre(true);
            vue.setTable(&partie.table);
            vue.show();
            OptionsDePartie options;
            options.setTypeChibre(3);  // seven trump modes
            const auto ordinateur = [](int id) {
                return OptionsDuJoueur(texte(id), true, 1, false, OptionsDuJoueur::AI, 0);
            };
            partie.demarre(options, {OptionsDuJoueur(depuisQt(QString::fromUtf8(NOM_LE_PLUS_LONG)), true, 1, false,
                                                     OptionsDuJoueur::Humain, 2),
                                     ordinateur(2816), ordinateur(3584), ordinateur(2817)});
            // The test's table lays its panels out for itself: the view lays them out again.
            vue.resize(taille.zone + QSize(1, 1));
            vue.resize(taille.zone);
            ASSERT_EQ(vue.echelle(), Echelle::pour(taille.zone));
            // The longest texts the history and status can hold, with the longest names.
            const std::string nom = depuisQt(QString::fromUtf8(NOM_LE_PLUS_LONG));
            for (const int id : {3340, 3337, 3339}) partie.table.afficheMessage(formate(id, nom, nom), ModeRejeu::Chargement);

            int etat = -1;
            bool conseilsVus = false;
            bool dernierPliVu = false;
            bool mainsVues = false;
            for (int garde = 0; garde < 400000; ++garde) {
                if (partie.table.compteurDonnes() >= 1 && partie.table.etatJeu() == EvenementDeJeu::AttendDistribue1)
                    break;
                const bool agi = partie.agit();
                if (!agi) partie.plateforme.avance(1);
                if (!agi && partie.table.etatJeu() == etat) continue;
                etat = partie.table.etatJeu();
                verifie(releve, vue);
                mainsVues = mainsVues || vue.vueMains()->isVisible();
                // The last trick, named after its winner in the pile's hint line.
                if (!dernierPliVu && etat == EvenementDeJeu::Tour2_AttendCarte1 && vue.montreDernierPli()) {
                    verifie(releve, vue);
                    vue.vueTas()->cachePli();
                    dernierPliVu = true;
                }
                if (!conseilsVus && vue.vuePanel(0)->boutonChibre()->isVisible()) {
                    verifieConseils(releve, vue.vuePanel(0));
                    conseilsVus = true;
                }
            }
            EXPECT_GE(partie.table.compteurDonnes(), 1) << code << " " << taille.nom << ": the deal was played";
            EXPECT_TRUE(dernierPliVu) << code << " " << taille.nom;
            EXPECT_TRUE(mainsVues) << code << " " << taille.nom << ": the hands of the first deal were shown";
            for (const std::string& faute : releve.fautes()) ADD_FAILURE() << faute;
            vue.setTable(nullptr);
        }
    }
}

// The coach's longest list, with the longest name and card names, fits the hands' box in every
// language at every size, the hands in their place below it.
TEST_F(DispositionTest, LaListeLaPlusLongueDuCoachTientDansLaBoiteDesMains) {
    for (const char* code : LANGUES) {
        ASSERT_TRUE(langue::charge(QString::fromLatin1(code)));
        QString carteLaPlusLongue;
        for (unsigned tag = 0; tag < 36; ++tag) {
            const QString nom = qtexte(Carte::parTag(tag).getNom());
            if (nom.size() > carteLaPlusLongue.size()) carteLaPlusLongue = nom;
        }
        const std::string carte = depuisQt(carteLaPlusLongue);
        QStringList lignes{qtexte(3973)};
        for (int k = 0; k < 3; ++k)
            lignes << qtexte(formate(3974, 9, depuisQt(QString::fromUtf8(NOM_LE_PLUS_LONG)), carte, 1799))
                   << qtexte(formate(3975, carte));
        lignes << qtexte(formate(3976, 17));
        std::array<VueMainsDeLaDonne::Main, 4> mains;
        for (int rang = 0; rang < 4; ++rang) {
            mains[rang].nom = QString::fromUtf8(NOM_LE_PLUS_LONG);
            mains[rang].points = rang % 2 ? QString() : qtexte(formate(3956, 257 * 7, 170 * 7));
            for (unsigned tag = 0; tag < 9; ++tag) mains[rang].cartes.insert(Carte::parTag(9 * rang + tag));
        }
        for (const Taille& taille : TAILLES) {
            Releve releve(std::string(code) + " " + taille.nom);
            VueMainsDeLaDonne vue;
            vue.montre(qtexte(formate(3966, 12, 257 * 7, 0)), mains, lignes);
            const Echelle echelle = Echelle::pour(taille.zone);
            const QSize classique = echelle.classique(taille.zone);
            const int w = classique.width(), h = classique.height();
            vue.place(QRect(w / 3, h / 3 - 30 - vue.hauteurDuCoach(), w / 3, h / 3 + vue.hauteurDuCoach()), echelle);
            verifieMains(releve, vue);
            for (const std::string& faute : releve.fautes()) ADD_FAILURE() << faute;
        }
    }
}
