#include <gtest/gtest.h>

#include <QGroupBox>
#include <QPlainTextEdit>

#include "events/ListeDesEvenements.h"
#include "ui/TFormEventsTable.h"
#include "ui/Texte.h"

namespace {

// A table that consumes whatever the list releases and moves to the next state.
class TableQuiAvance : public ConsommateurDEvenements {
public:
    int etat = EvenementDeJeu::AttendDistribue1;
    int etatJeu() const override { return etat; }
    void traiteEvenement(const EvenementDeJeu&, const std::string&, ModeRejeu) override {}
    void transmetEvenement(const EvenementDeJeu&) override {}
    void demandeProchaineAction(ModeRejeu) override { ++etat; }
    std::string nomDuJoueur(int) const override { return "J"; }
    bool estSiegeDistant(int) const override { return false; }
};

EvenementDeJeu distribue(int siege) {
    return EvenementDeJeu(TypeEvenement::Distribue, "Ok", EvenementDeJeu::Intervenant(siege),
                          EvenementDeJeu::AttendDistribue1 + siege);
}

QString lignes(std::initializer_list<std::string> textes) {
    QStringList l;
    for (const std::string& t : textes) l << qtexte(t);
    return l.join('\n');
}

struct TFormEventsTableTest : ::testing::Test {
    TableQuiAvance table;
    ListeDesEvenements liste{table};
    TFormEventsTable fenetre;
};

}  // namespace

TEST_F(TFormEventsTableTest, ShowsTheRecordAndTheQueueAsTheyChange) {
    EXPECT_EQ(fenetre.windowTitle(), "Evènements");
    EXPECT_EQ(fenetre.GroupBoxEventsTable->title(), "Evenements exécutés");
    EXPECT_EQ(fenetre.GroupBoxEnQueue->title(), "En queue");
    fenetre.observe(&liste);
    fenetre.show();

    liste.ajoute(distribue(1));
    EXPECT_EQ(fenetre.MemoEventsTable->toPlainText(), "3");
    EXPECT_EQ(fenetre.MemoEnQueue->toPlainText(), lignes({distribue(1).save()}));
    EXPECT_TRUE(fenetre.MemoEnQueue->toPlainText().contains(QChar(0xA6)));

    liste.ajoute(distribue(0));
    EXPECT_EQ(fenetre.MemoEventsTable->toPlainText(), lignes({"3", distribue(0).save(), distribue(1).save()}));
    EXPECT_EQ(fenetre.MemoEnQueue->toPlainText(), "");
}

TEST_F(TFormEventsTableTest, CatchesUpWhenShownAndLetsGoOfItsList) {
    fenetre.observe(&liste);
    liste.ajoute(distribue(0));
    EXPECT_EQ(fenetre.MemoEventsTable->toPlainText(), "");  // hidden: not repainted

    fenetre.show();
    EXPECT_EQ(fenetre.MemoEventsTable->toPlainText(), lignes({"3", distribue(0).save()}));

    fenetre.observe(nullptr);
    EXPECT_FALSE(liste.changement);
    EXPECT_EQ(fenetre.MemoEventsTable->toPlainText(), "");
    liste.ajoute(distribue(1));
}
