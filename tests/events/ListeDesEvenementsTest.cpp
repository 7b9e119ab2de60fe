#include <gtest/gtest.h>

#include <algorithm>

#include "events/ListeDesEvenements.h"
#include "platform/Exception.h"

namespace {

// A table that only records what the list gives it and advances one state per request.
class TableEnregistreuse : public ConsommateurDEvenements {
public:
    int etat = EvenementDeJeu::AttendDistribue1;
    std::vector<std::string> traites;
    std::vector<std::string> descriptions;
    int demandes = 0;

    // The events the table refuses, as it refuses what its state does not expect.
    std::vector<std::string> refuses;

    int etatJeu() const override { return etat; }
    void traiteEvenement(const EvenementDeJeu& e, const std::string& description, ModeRejeu) override {
        if (std::find(refuses.begin(), refuses.end(), e.save()) != refuses.end()) throw Exception("refused");
        traites.push_back(std::to_string(e.getNoEvenement()));
        descriptions.push_back(description);
    }
    void transmetEvenement(const EvenementDeJeu&) override {}
    void demandeProchaineAction(ModeRejeu) override {
        ++demandes;
        ++etat;
    }
    std::string nomDuJoueur(int noJoueur) const override { return std::string("J").append(std::to_string(noJoueur)); }
    bool estSiegeDistant(int noJoueur) const override { return noJoueur == 1; }
};

EvenementDeJeu distribue(int siege) {
    return EvenementDeJeu(TypeEvenement::Distribue, "Ok", EvenementDeJeu::Intervenant(siege),
                          EvenementDeJeu::AttendDistribue1 + siege);
}

}  // namespace

TEST(ListeDesEvenements, EarlyEventsWaitAndAreReleasedInStateOrder) {
    TableEnregistreuse table;
    ListeDesEvenements liste(table);
    liste.ajoute(distribue(1));
    EXPECT_TRUE(table.traites.empty());
    ASSERT_EQ(liste.enQueue().size(), 1u);
    EXPECT_EQ(liste.enQueue()[0], distribue(1).save());

    liste.ajoute(distribue(0));
    EXPECT_EQ(table.traites, (std::vector<std::string>{"7", "8"}));
    EXPECT_EQ(table.descriptions[0], "J0 ->Ok.");
    EXPECT_TRUE(liste.enQueue().empty());
    EXPECT_EQ(liste.enregistrement(),
              (std::vector<std::string>{"3", distribue(0).save(), distribue(1).save()}));
    EXPECT_EQ(liste.dernierNoTraite(), 8);

    // Already released: dropped.
    liste.ajoute(distribue(0));
    EXPECT_EQ(table.traites.size(), 2u);
    EXPECT_EQ(liste.enregistrement().size(), 3u);
}

TEST(ListeDesEvenements, SettingsAreAlwaysAcceptedAndChatIsNeverRecorded) {
    TableEnregistreuse table;
    table.etat = EvenementDeJeu::AttendEnregistrementSettings;
    ListeDesEvenements liste(table);
    const EvenementDeJeu message(TypeEvenement::Message, "salut", EvenementDeJeu::Joueur2,
                                 EvenementDeJeu::NumeroMessageJoueur);
    liste.ajoute(message);
    EXPECT_EQ(table.traites, (std::vector<std::string>{"99"}));
    EXPECT_EQ(liste.enregistrement().size(), 1u);
    EXPECT_EQ(table.demandes, 0);
}

TEST(ListeDesEvenements, TheNetworkAdmitsOnlyRemoteSeatsEvents) {
    TableEnregistreuse table;
    table.etat = EvenementDeJeu::AttendDistribue2;
    ListeDesEvenements liste(table);
    liste.recoitDUnClient(distribue(2));  // seat 2 plays here
    EXPECT_TRUE(liste.enQueue().empty());
    liste.recoitDUnClient(distribue(1));
    EXPECT_EQ(table.traites, (std::vector<std::string>{"8"}));
}

// An event the table refuses never happened: the record, which is the game's file, does not hold
// it (a file holding it could not be loaded again), and the same number may still come in.
TEST(ListeDesEvenements, AnEventTheTableRefusesIsNotRecorded) {
    TableEnregistreuse table;
    ListeDesEvenements liste(table);
    int changements = 0;
    liste.changement = [&] { ++changements; };
    liste.ajoute(distribue(0));
    table.refuses.push_back(distribue(1).save());
    const auto avant = liste.enregistrement();
    changements = 0;
    EXPECT_THROW(liste.ajoute(distribue(1)), Exception);
    EXPECT_EQ(liste.enregistrement(), avant);
    EXPECT_EQ(liste.dernierNoTraite(), EvenementDeJeu::AttendDistribue1);
    EXPECT_GT(changements, 0);  // whoever shows or keeps the record sees it as it stands

    table.refuses.clear();
    liste.ajoute(distribue(1));
    EXPECT_EQ(table.traites, (std::vector<std::string>{"7", "8"}));
    EXPECT_EQ(liste.enregistrement().back(), distribue(1).save());
}
