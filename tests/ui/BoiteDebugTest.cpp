#include <gtest/gtest.h>

#include <QTimer>

#include "platform/Assertion.h"
#include "platform/Exception.h"
#include "ui/BoiteDebug.h"

namespace {

struct FinDeLAttente {};

BoiteDebug boiteQuiRepond(BoiteDebug::Reponse reponse, QString* texteMontre, int* attentes = nullptr,
                          int nbAttentes = 0) {
    return BoiteDebug(
        [=](const QString& texte) {
            *texteMontre = texte;
            return reponse;
        },
        [=] { return attentes && (*attentes)++ < nbAttentes; }, [] { throw FinDeLAttente{}; }, 0);
}

TEST(BoiteDebug, LeTexteNommeLExpressionLaSourceEtLaLigne) {
    EXPECT_EQ(BoiteDebug::texte("partie_ != NULL", "Table", 321), "Assertion failed: partie_ != NULL Table 321");
}

TEST(BoiteDebug, OuiContinueApresLeControle) {
    QString texte;
    const BoiteDebug boite = boiteQuiRepond(BoiteDebug::Reponse::Oui, &texte);
    const auto precedent = assertion::installe([&](const char* e, const char* s, int l) { boite.echec(e, s, l); });
    bool apres = false;
    TW_ASSERT(1 + 1 == 3, "Partie");
    apres = true;
    assertion::installe(precedent);
    EXPECT_TRUE(apres);
    EXPECT_TRUE(texte.startsWith("Assertion failed: 1 + 1 == 3 Partie ")) << texte.toStdString();
}

TEST(BoiteDebug, NonLanceLExceptionBreak) {
    QString texte;
    const BoiteDebug boite = boiteQuiRepond(BoiteDebug::Reponse::Non, &texte);
    try {
        boite.echec("etatJeu_ == EvenementDeJeu::Depart", "Table", 12);
        FAIL() << "No ends the failed operation";
    } catch (const Exception& erreur) {
        EXPECT_STREQ(erreur.what(), "Break");
    }
}

// Cancel never goes back to the failed operation; the window keeps answering in the meantime.
TEST(BoiteDebug, AnnulerTraiteLesMessagesSansRevenir) {
    QString texte;
    int attentes = 0;
    const BoiteDebug boite = boiteQuiRepond(BoiteDebug::Reponse::Annuler, &texte, &attentes, 3);
    bool minuterieServie = false;
    QTimer::singleShot(0, [&] { minuterieServie = true; });
    EXPECT_THROW(boite.echec("result != 0", "TFormJeuDeCartes", 7), FinDeLAttente);
    EXPECT_TRUE(minuterieServie);
    EXPECT_EQ(attentes, 4);
}

}  // namespace
