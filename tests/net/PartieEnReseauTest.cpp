#include <gtest/gtest.h>

#include "net/PartieEnReseau.h"

// A host and three clients, every seat a computer player of its own computer, play a game to its
// end; every table releases the same events and ends with the same scores.
TEST(PartieEnReseau, AHostAndThreeClientsPlayAWholeGame) {
    PartieEnReseau partie(3);
    partie.demarre();
    partie.joueJusquALaFin();
    attendsDesTablesEgales(partie);
    EXPECT_TRUE(partie.plateforme.boites.size() <= 1u);  // only "another game?" on the host
    for (int siege = 1; siege < 4; ++siege) EXPECT_TRUE(partie.hote->table.estSiegeDistant(siege));
}

struct CasDeDefauts {
    const char* nom;
    ReseauEnMemoire::Defauts defauts;
};

class PartieSurUnReseauDefaillant : public ::testing::TestWithParam<CasDeDefauts> {};

// Lost receipts come back through the repetitions (a client's own event every 2 s until echoed,
// the host's deal so far after 10 s of silence); duplicates, pieces and overtaking receipts are
// put in order by the receive buffers and the event lists. The carriers keep the order of the
// stream (TCP, a reliable session channel): the protocol has no deal number, so a receipt that
// overtook a whole deal could not be told from the next deal's.
TEST_P(PartieSurUnReseauDefaillant, TheGameEndsWithEqualTables) {
    PartieEnReseau partie(3, 7);
    partie.reseau.defauts = GetParam().defauts;
    partie.demarre();
    partie.joueJusquALaFin();
    attendsDesTablesEgales(partie);
}

INSTANTIATE_TEST_SUITE_P(
    Defauts, PartieSurUnReseauDefaillant,
    ::testing::Values(CasDeDefauts{"perte", {20, 0.05, 0, 1, 0}}, CasDeDefauts{"doublons", {5, 0, 0.1, 1, 0}},
                      CasDeDefauts{"morceaux", {5, 0, 0, 7, 0}}, CasDeDefauts{"tout", {30, 0.05, 0.05, 4, 0}}),
    [](const auto& info) { return std::string(info.param.nom); });

// Two clients started in the same second, each in its own program: their players' records are
// built at the same time, yet each client's table recognises only its own seat as its own (with
// the same identifier, both would take seats 1 and 2 for theirs and ask their users for both).
TEST(PartieEnReseau, TwoProgramsStartedInTheSameSecondKeepTheirOwnSeats) {
    PartieEnReseau partie(2);
    partie.placement = {"Hote", "C1", "C2", "Alphonse"};
    for (std::uint32_t programme = 0; programme < 2; ++programme) {
        partie.plateforme.graineDuProcessus_ = 1000 + programme;
        partie.clients[programme]->joueur =
            OptionsDuJoueur("C" + std::to_string(programme + 1), true, 1, false, OptionsDuJoueur::AI, 0);
    }
    partie.demarre();
    for (int garde = 0; garde < 10000 && !EvenementDeJeu::estEtatCarte(partie.hote->table.etatJeu()); ++garde)
        partie.avance(1);
    ASSERT_TRUE(EvenementDeJeu::estEtatCarte(partie.hote->table.etatJeu()));
    for (int programme = 0; programme < 2; ++programme)
        for (int siege = 0; siege < 4; ++siege)
            EXPECT_EQ(partie.clients[static_cast<std::size_t>(programme)]->table.estSiegeDistant(siege),
                      siege != programme + 1)
                << "client " << programme + 1 << ", seat " << siege;
}
