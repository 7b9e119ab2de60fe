#include <gtest/gtest.h>

#include "net/PartieEnReseau.h"
#include "support/Separateur.h"

namespace {

// A peer of the test on the in-memory network: it sends what the test gives it and keeps what the
// host sends.
struct Pair : Lien::Observateur {
    Pair(ReseauEnMemoire& reseau, std::uint16_t port) : lien(reseau.nouveauLien()) {
        lien->setObservateur(this);
        lien->connecte("127.0.0.1", port);
    }
    void recoit(Lien&, const std::string& octets) override { recu += octets; }
    void lienFerme(Lien&) override { ferme = true; }
    void erreurDeLien(Lien&, const std::string&) override { ferme = true; }
    std::unique_ptr<LienSortant> lien;
    std::string recu;
    bool ferme = false;
};

std::string inscription(const std::string& nom, int identifiant) {
    return b("{Message_v3.1|{1|0|" + nom + "|1|0|0|2|" + std::to_string(identifiant) + "|}|4|100|}");
}

// The host's server window is held open while the test's peers connect and speak.
class ServerTest : public ::testing::Test {
protected:
    ServerTest() : partie(0) {}
    void ouvre(std::function<int(CompositionDesEquipes&)> pendantLaFenetre) {
        partie.hote->compose = std::move(pendantLaFenetre);
        partie.demarre();
    }
    void avance(int ms = 20) { partie.plateforme.avance(ms); }
    std::vector<std::string> noms(CompositionDesEquipes::Liste liste) const {
        std::vector<std::string> resultat;
        for (const auto& entree : partie.hote->server->composition().liste(liste)) resultat.push_back(entree.nom);
        return resultat;
    }
    std::vector<std::string> titres() const {
        std::vector<std::string> resultat;
        for (const auto& boite : partie.plateforme.boites) resultat.push_back(boite.titre);
        return resultat;
    }

    PartieEnReseau partie;
    std::vector<std::unique_ptr<Pair>> pairs;
};

}  // namespace

// Registrations are listed as they come, with the tree node; a link that closes before the game
// takes its own entry away, whatever the order of connections and registrations.
TEST_F(ServerTest, RegistrationsAreListedAndLeaveWithTheirOwnLink) {
    ouvre([&](CompositionDesEquipes& composition) {
        const auto port = partie.hote->server->port();
        for (int i = 0; i < 3; ++i) pairs.push_back(std::make_unique<Pair>(partie.reseau, port));
        avance();
        pairs[1]->lien->envoie(inscription("Bea", 11));
        avance();
        pairs[0]->lien->envoie(inscription("Ada", 10) + inscription("Ada", 10));  // a second one is ignored
        avance();
        EXPECT_EQ(noms(CompositionDesEquipes::Disponibles),
                  (std::vector<std::string>{"Hote", "Alphonse", "Gertrude", "Bea (autre joueur)", "Ada (autre joueur)"}));
        EXPECT_EQ(composition.noeuds().size(), 2u);
        EXPECT_EQ(composition.noeuds()[0].second->identifiant, "Id      : 11");
        pairs[2]->lien->ferme();  // never registered
        pairs[0]->lien->ferme();
        avance();
        EXPECT_EQ(noms(CompositionDesEquipes::Disponibles),
                  (std::vector<std::string>{"Hote", "Alphonse", "Gertrude", "Bea (autre joueur)"}));
        EXPECT_EQ(partie.hote->server->nbLiens(), 1u);
        return 2;
    });
    EXPECT_EQ(partie.hote->retoursMenusLocaux, 1);
}

// "->" moves the selected players, the lower first, and only into a team of fewer than two; Ok
// with a team of one shows the box and keeps the window; the events carry the seats in order.
// Then only the link whose registration holds a seat may play for it.
TEST_F(ServerTest, TheTeamsBecomeTheRegistrationsAndEachLinkPlaysOnlyItsSeat) {
    ouvre([&](CompositionDesEquipes& composition) {
        const auto port = partie.hote->server->port();
        for (int i = 0; i < 2; ++i) pairs.push_back(std::make_unique<Pair>(partie.reseau, port));
        avance();
        pairs[0]->lien->envoie(inscription("Zoe", 10));
        pairs[1]->lien->envoie(inscription("Eve", 11));
        avance();
        composition.ajouteAEquipe(CompositionDesEquipes::Equipe1, {0, 1});
        EXPECT_EQ(noms(CompositionDesEquipes::Equipe1), (std::vector<std::string>{"Alphonse", "Hote"}));
        composition.ajouteAEquipe(CompositionDesEquipes::Equipe1, {0});
        EXPECT_EQ(noms(CompositionDesEquipes::Equipe1).size(), 2u);
        composition.ajouteAEquipe(CompositionDesEquipes::Equipe2, {0});
        EXPECT_FALSE(composition.confirme());
        EXPECT_EQ(titres(), (std::vector<std::string>{"Equipes incompl\xE8tes."}));
        composition.ajouteAEquipe(CompositionDesEquipes::Equipe2, {0});
        return composition.confirme() ? 1 : 2;
    });
    avance(100);
    const auto& enregistrement = partie.hote->table.listeDesEvenements().enregistrement();
    ASSERT_GE(enregistrement.size(), 7u);
    EXPECT_NE(enregistrement[2].find(b("|Alphonse|")), std::string::npos);
    EXPECT_NE(enregistrement[3].find(b("|Gertrude|")), std::string::npos);
    EXPECT_NE(enregistrement[4].find(b("|Hote|")), std::string::npos);
    EXPECT_NE(enregistrement[5].find(b("|Zoe|")), std::string::npos);
    EXPECT_NE(pairs[1]->recu.find(b("{Distribue_v3.1|Ok|0|7|}")), std::string::npos);  // watchers follow the game
    ASSERT_EQ(partie.hote->table.etatJeu(), EvenementDeJeu::AttendDistribue4);

    pairs[1]->lien->envoie(b("{Distribue_v3.1|Ok|3|10|}"));
    avance();
    EXPECT_EQ(partie.hote->table.etatJeu(), EvenementDeJeu::AttendDistribue4);
    pairs[0]->lien->envoie(b("{Distribue_v3.1|Ok|3|10|}"));
    avance();
    EXPECT_GT(partie.hote->table.etatJeu(), EvenementDeJeu::AttendDistribue4);
    EXPECT_TRUE(partie.plateforme.boites.size() == 1u);
}

struct CasDeViolation {
    const char* nom;
    std::string octets;
    const char* titre;
};

class ViolationDuProtocole : public ::testing::TestWithParam<CasDeViolation> {};

// A peer that sends something this program cannot read gets its box and loses its link; the
// window stays open and the others go on.
TEST_P(ViolationDuProtocole, ThePeerIsToldAndItsLinkIsClosed) {
    PartieEnReseau partie(0);
    std::unique_ptr<Pair> intrus, autre;
    partie.hote->compose = [&](CompositionDesEquipes&) {
        intrus = std::make_unique<Pair>(partie.reseau, partie.hote->server->port());
        autre = std::make_unique<Pair>(partie.reseau, partie.hote->server->port());
        partie.plateforme.avance(20);
        intrus->lien->envoie(GetParam().octets);
        partie.plateforme.avance(20);
        EXPECT_TRUE(intrus->ferme);
        EXPECT_FALSE(autre->ferme);
        EXPECT_EQ(partie.hote->server->nbLiens(), 1u);
        return 2;
    };
    partie.demarre();
    ASSERT_EQ(partie.plateforme.boites.size(), 1u);
    EXPECT_EQ(partie.plateforme.boites[0].titre, GetParam().titre);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, ViolationDuProtocole,
    ::testing::Values(CasDeViolation{"autreVersion", b("{AjouteCarte_v4.0|x|0|21|}"), "Client incompatible."},
                      CasDeViolation{"ordures", "\x16\x03\x01hello", "Message illisible."},
                      CasDeViolation{"champFaux", b("{Distribue_v3.1|Ok|9|7|}"), "Message illisible."},
                      CasDeViolation{"sansFin", "{" + std::string(TamponDeReception::TAILLE_MAXI + 10, 'x'),
                                     "Message illisible."}),
    [](const auto& info) { return std::string(info.param.nom); });
