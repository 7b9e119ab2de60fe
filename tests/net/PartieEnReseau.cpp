#include "net/PartieEnReseau.h"

#include <gtest/gtest.h>

#include "ai/AI_Joueur.h"
#include "format/SpacesSeparatedString.h"

namespace {
void observe(Poste& poste) {
    poste.table.listeDesEvenements().changement = [&poste] {
        const auto& enregistrement = poste.table.listeDesEvenements().enregistrement();
        if (enregistrement.size() <= 1) return;
        poste.enregistrement = enregistrement;
        if (const auto& partie = poste.table.partie())
            poste.score = {poste.table.totalEquipe(0) + poste.table.pointsAnnoncesEquipe(0) + partie->getPointsEquipe1(),
                           poste.table.totalEquipe(1) + poste.table.pointsAnnoncesEquipe(1) + partie->getPointsEquipe2()};
    };
}
}  // namespace

Poste::Poste(OptionsDuJoueur joueurDuPoste) : joueur(std::move(joueurDuPoste)) { observe(*this); }

int Poste::optionsDuJoueur(OptionsDuJoueur& options) {
    options = joueur;
    return 1;
}

int Poste::composeEquipes(CompositionDesEquipes& composition) { return compose ? compose(composition) : 2; }

OptionsDuJoueur joueurOrdinateur(const std::string& nom, std::int32_t identifiant, int niveau) {
    SpacesSeparatedString ecrivain;
    for (const std::string& champ :
         {std::string("1"), std::string("1"), nom, std::string("1"), std::string("0"), std::string("5"),
          std::to_string(niveau), std::to_string(identifiant)})
        ecrivain.addString(champ);
    OptionsDuJoueur options;
    options.load(ecrivain.toString());
    return options;
}

PartieEnReseau::PartieEnReseau(int nbClients, unsigned graine, Porteur porteur)
    : reseau(graine), porteur_(std::move(porteur)), fabriquePrecedente_(fabriquePour(OptionsDuJoueur::AI)) {
    if (!porteur_.ecoute) porteur_.ecoute = [this] { return reseau.nouvelleEcoute(); };
    if (!porteur_.lien) porteur_.lien = [this] { return reseau.nouveauLien(); };
    enregistreFabrique(OptionsDuJoueur::AI, creeAIJoueur);
    plateforme.reponses = {false};  // no second game
    hote = std::make_unique<Poste>(joueurOrdinateur("Hote", 1));
    OptionsDePartie options;
    options.setNiveau(0);
    hote->table.setOptionsDePartie(options);
    Poste* poste = hote.get();
    const FabriqueDeTransports::Serveur serveur = [this, poste](ListeDesEvenements& liste,
                                                                const OptionsDePartie& optionsDePartie) {
        auto server = std::make_unique<Server>(porteur_.ecoute(), 0, liste, optionsDePartie, *poste);
        poste->server = server.get();
        return server;
    };
    hote->table.setTransports({serveur, {}, serveur, {}});
    hote->compose = [this](CompositionDesEquipes& composition) { return composeEnOrdre(composition); };
    for (int i = 0; i < nbClients; ++i) {
        clients.push_back(std::make_unique<Poste>(joueurOrdinateur(std::string("C").append(std::to_string(i + 1)), 100 + i)));
        Poste* client = clients.back().get();
        const FabriqueDeTransports::Client transport = [this, client](ListeDesEvenements& liste) {
            auto transport = std::make_unique<Client>(porteur_.lien(), hote->server->port(), liste, *client);
            client->client = transport.get();
            return transport;
        };
        client->table.setTransports({{}, transport, {}, transport});
    }
}

PartieEnReseau::~PartieEnReseau() { enregistreFabrique(OptionsDuJoueur::AI, fabriquePrecedente_); }

void PartieEnReseau::demarre() {
    hote->table.commencePartie(Table::NouvellePartie, porteur_.connectionHote, "");
}

int PartieEnReseau::composeEnOrdre(CompositionDesEquipes& composition) {
    for (auto& client : clients) client->table.commencePartie(Table::NouvellePartie, porteur_.connectionClient, "127.0.0.1");
    for (int garde = 0; garde < 5000 && hote->server->nbJoueurs() < static_cast<int>(clients.size()) + autresInscriptions; ++garde)
        avance(1);
    const std::array<std::string, 4> ordinateurs{"Alphonse", "Gertrude"};
    int prochainOrdinateur = 0;
    for (int siege = 0; siege < 4; ++siege) {
        const auto& disponibles = composition.liste(CompositionDesEquipes::Disponibles);
        auto rang = [&](const std::string& nom) {
            for (std::size_t i = 0; i < disponibles.size(); ++i)
                if (disponibles[i].nom.rfind(nom, 0) == 0) return static_cast<int>(i);
            return -1;
        };
        int choisi = rang(placement[static_cast<std::size_t>(siege)]);
        if (choisi < 0) choisi = rang(ordinateurs[static_cast<std::size_t>(prochainOrdinateur++)]);
        composition.ajouteAEquipe(siege % 2 == 0 ? CompositionDesEquipes::Equipe1 : CompositionDesEquipes::Equipe2,
                                  {choisi});
    }
    return composition.confirme() ? 1 : 2;
}

void PartieEnReseau::avance(int ms) {
    if (porteur_.pompe) porteur_.pompe();
    plateforme.avance(ms);
}

void PartieEnReseau::joueJusquALaFin(int limiteMs) {
    const int pas = porteur_.pompe ? 5 : 100;
    for (int ecoule = 0; ecoule < limiteMs && !hoteAFini(); ecoule += pas) avance(pas);
    avance(pas);
}

std::vector<std::string> sansInscriptions(const std::vector<std::string>& enregistrement) {
    std::vector<std::string> resultat;
    for (const std::string& ligne : enregistrement)
        if (ligne.rfind("{InscriptionJoueur", 0) != 0) resultat.push_back(ligne);
    return resultat;
}

void attendsDesTablesEgales(const PartieEnReseau& partie) {
    ASSERT_TRUE(partie.hoteAFini());
    const auto attendu = sansInscriptions(partie.hote->enregistrement);
    ASSERT_GT(attendu.size(), 50u);
    for (const auto& client : partie.clients) {
        EXPECT_EQ(sansInscriptions(client->enregistrement), attendu);
        EXPECT_EQ(client->score, partie.hote->score);
    }
}
