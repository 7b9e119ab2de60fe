#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "platform/PlateformeVirtuelle.h"
#include "ui/RadioGroup.h"
#include "ui/ReponseModale.h"
#include "ui/TFormOptionsDuJoueur.h"

namespace {

struct TFormOptionsDuJoueurTest : ::testing::Test {
    PlateformeVirtuelle plateforme;
    TFormOptionsDuJoueur dialogue;
    OptionsDuJoueur options{"ancien", true, 2, true, OptionsDuJoueur::AI, 0};
};

}  // namespace

TEST_F(TFormOptionsDuJoueurTest, OffersTheLoginNameFirstThenTheNameLastEntered) {
    plateforme.nomDUtilisateur_ = "pierre";
    QString offert;
    quandModalOuvert<TFormOptionsDuJoueur>([&](TFormOptionsDuJoueur& d) {
        offert = d.EditNomDuJoueur->text();
        d.EditNomDuJoueur->setText("Jean-Rémy");
        d.ButtonOk->click();
    });
    EXPECT_EQ(dialogue.edite(options), QDialog::Accepted);
    EXPECT_EQ(offert, "pierre");

    quandModalOuvert<TFormOptionsDuJoueur>([&](TFormOptionsDuJoueur& d) {
        offert = d.EditNomDuJoueur->text();
        d.ButtonCancel->click();
    });
    EXPECT_EQ(dialogue.edite(options), QDialog::Rejected);
    EXPECT_EQ(offert, "Jean-Rémy");
}

// Whatever the answer, the record becomes the local human that the dialog describes.
TEST_F(TFormOptionsDuJoueurTest, EnterInTheNameConfirmsAndReplacesTheRecord) {
    quandModalOuvert<TFormOptionsDuJoueur>([](TFormOptionsDuJoueur& d) {
        d.EditNomDuJoueur->setText("Jean-Rémy");
        QTest::keyClick(d.EditNomDuJoueur, Qt::Key_Return);
    });
    EXPECT_EQ(dialogue.edite(options), QDialog::Accepted);

    EXPECT_EQ(options.nom(), "Jean-R\xE9my (vous)");
    EXPECT_TRUE(options.estHumainLocal());
    EXPECT_EQ(options.getNiveau(), 2);
    EXPECT_EQ(options.getAppels(), 0);
    EXPECT_FALSE(options.getDepartAtoutPlusHaut());
    EXPECT_FALSE(dialogue.RadioGroupAppels->isVisibleTo(&dialogue));
    EXPECT_FALSE(dialogue.RadioGroupAppels->isEnabled());
}

TEST_F(TFormOptionsDuJoueurTest, CancelStillReplacesTheRecord) {
    quandModalOuvert<TFormOptionsDuJoueur>([](TFormOptionsDuJoueur& d) {
        d.EditNomDuJoueur->setText("Anna");
        d.ButtonCancel->click();
    });
    EXPECT_EQ(dialogue.edite(options), QDialog::Rejected);
    EXPECT_EQ(options.nom(), "Anna (vous)");
    EXPECT_FALSE(options.estDistant());
    EXPECT_EQ(options.getRace(), OptionsDuJoueur::Humain);
}

// The table is laid out for names of the dialog's length: a longer login name is cut, and
// typing stops there.
TEST_F(TFormOptionsDuJoueurTest, NamesAreCutToTheLengthTheTableHolds) {
    plateforme.nomDUtilisateur_ = "maximilian.oberholzer-von-allmen";
    QString offert;
    quandModalOuvert<TFormOptionsDuJoueur>([&](TFormOptionsDuJoueur& d) {
        offert = d.EditNomDuJoueur->text();
        d.EditNomDuJoueur->end(false);
        QTest::keyClicks(d.EditNomDuJoueur, "xyz");
        d.ButtonOk->click();
    });
    EXPECT_EQ(dialogue.edite(options), QDialog::Accepted);
    EXPECT_EQ(offert, QString("maximilian.oberholzer-von-allmen").left(TFormOptionsDuJoueur::LONGUEUR_NOM_MAX));
    EXPECT_EQ(dialogue.EditNomDuJoueur->text(), offert);
}
