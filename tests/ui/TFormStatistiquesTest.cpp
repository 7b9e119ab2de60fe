#include <gtest/gtest.h>

#include <QLabel>
#include <QMessageBox>

#include "events/Statistiques.h"
#include "ui/ReponseModale.h"
#include "ui/TFormStatistiques.h"

namespace {

struct TFormStatistiquesTest : ::testing::Test {
    Statistiques statistiques;
    TFormStatistiques fenetre{statistiques};

    QStringList valeursAffichees() const {
        return {fenetre.LabelPartiesJouees->text(), fenetre.LabelPartiesGagnees->text(),
                fenetre.LabelTotalPoints->text()};
    }
};

}  // namespace

TEST_F(TFormStatistiquesTest, ShowsTheValuesOfTheRecord) {
    EXPECT_EQ(valeursAffichees(), (QStringList{"0", "0", "0"}));
    fenetre.ajouteResultat(-35, false);
    EXPECT_EQ(valeursAffichees(), (QStringList{"1", "0", "-35"}));

    // The table counts a finished game in the record itself; the window reads it when shown.
    statistiques.ajouteResultat(120, true);
    fenetre.show();
    EXPECT_EQ(valeursAffichees(), (QStringList{"2", "1", "85"}));
    EXPECT_EQ(fenetre.texte(), statistiques.texte());
}

TEST_F(TFormStatistiquesTest, RestoresAnIntactRecordSilently) {
    Statistiques source;
    source.ajouteResultat(300, true);
    source.ajouteResultat(-12, false);
    fenetre.charge(source.texte());
    EXPECT_EQ(valeursAffichees(), (QStringList{"2", "1", "288"}));
}

TEST_F(TFormStatistiquesTest, ResetsACorruptedRecordAndSaysSo) {
    fenetre.ajouteResultat(50, true);
    QString titre, message;
    quandModalOuvert<QMessageBox>([&](QMessageBox& boite) {
        titre = boite.windowTitle();
        message = boite.text();
        EXPECT_EQ(boite.icon(), QMessageBox::Critical);
        boite.accept();
    });
    fenetre.charge("{100\xA6" "3\xA6" "2\xA6" "0\xA6}");

    EXPECT_EQ(titre, "Erreur.");
    EXPECT_EQ(message, "Fichier corrompu. Les valeurs des scores sont remises à zéro.");
    EXPECT_EQ(valeursAffichees(), (QStringList{"0", "0", "0"}));
}
