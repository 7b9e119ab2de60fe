// Hosts one network game without any window, for dedicated hosting and for tests: it listens on
// the given port, waits until the given number of clients have registered, gives them the first
// seats in the order they registered, fills the other seats with its computer players, prints the
// game's progress, saves the game file at the end and exits. Boxes go to the standard error.
//
//   trumpwise_hote [--port 4000] [--distants 3] [--variante 0..3] [--concours] [--niveau 0..2]
//                  [--sans-delai] [--fichier partie.jss]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <vector>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include "ai/AI_Joueur.h"
#include "events/Statistiques.h"
#include "net/CompositionDesEquipes.h"
#include "net/FenetresReseau.h"
#include "net/qt/ServerSocket.h"
#include "platform/Assertion.h"
#include "platform/PlateformeVirtuelle.h"
#include "platform/TableDesTextes.h"
#include "players/FabriqueDeJoueurs.h"
#include "table/Table.h"

namespace {

struct Configuration {
    int port = 4000;
    int distants = 3;
    int variante = 0;
    bool concours = false;
    int niveau = 2;
    bool sansDelai = false;
    std::string fichier = "partie-hote.jss";
};

bool litArguments(int argc, char** argv, Configuration& configuration) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const bool avecValeur = i + 1 < argc;
        const auto entier = [&](int& valeur, int mini, int maxi) {
            if (!avecValeur) return false;
            char* fin = nullptr;
            const long lu = std::strtol(argv[++i], &fin, 10);
            if (*fin != '\0' || lu < mini || lu > maxi) return false;
            valeur = static_cast<int>(lu);
            return true;
        };
        if (option == "--port" ? !entier(configuration.port, 0, 65535)
            : option == "--distants" ? !entier(configuration.distants, 1, 4)
            : option == "--variante" ? !entier(configuration.variante, 0, 3)
            : option == "--niveau" ? !entier(configuration.niveau, 0, 2)
            : false)
            return false;
        if (option == "--concours") configuration.concours = true;
        else if (option == "--sans-delai") configuration.sansDelai = true;
        else if (option == "--fichier" && avecValeur) configuration.fichier = argv[++i];
        else if (option != "--port" && option != "--distants" && option != "--variante" && option != "--niveau")
            return false;
    }
    return true;
}

// The host's own seat is a computer player too: nobody sits at this computer.
class FenetresDeLHote : public FenetresReseau {
public:
    FenetresDeLHote(const Configuration& configuration, std::function<void(int)> attends)
        : configuration_(configuration), attends_(std::move(attends)) {}
    const Server* serveur = nullptr;

    int optionsDuJoueur(OptionsDuJoueur& options) override {
        options = OptionsDuJoueur("Hote", true, 1, false, OptionsDuJoueur::AI, static_cast<std::uint8_t>(configuration_.niveau));
        return 1;
    }

    int composeEquipes(CompositionDesEquipes& composition) override {
        std::fprintf(stdout, "Listening on port %u, waiting for %d client(s)...\n",
                     static_cast<unsigned>(serveur ? serveur->port() : 0), configuration_.distants);
        std::fflush(stdout);
        while (clients(composition).size() < static_cast<std::size_t>(configuration_.distants)) attends_(20);
        // The first seats to the clients in the order they registered, the others to the computer
        // players; teams fill seat by seat (team 1 holds seats 0 and 2, team 2 seats 1 and 3).
        const std::vector<int> inscrits = clients(composition);
        std::vector<int> ordinateurs;
        for (const auto& entree : composition.liste(CompositionDesEquipes::Disponibles))
            if (std::find(inscrits.begin(), inscrits.end(), entree.joueur) == inscrits.end())
                ordinateurs.push_back(entree.joueur);
        for (int siege = 0; siege < 4; ++siege) {
            const auto index = static_cast<std::size_t>(siege);
            const int joueur = siege < configuration_.distants ? inscrits[index]
                                                               : ordinateurs[index - static_cast<std::size_t>(configuration_.distants)];
            const auto& disponibles = composition.liste(CompositionDesEquipes::Disponibles);
            const auto rang = std::find_if(disponibles.begin(), disponibles.end(),
                                           [joueur](const auto& entree) { return entree.joueur == joueur; }) -
                              disponibles.begin();
            composition.ajouteAEquipe(siege % 2 == 0 ? CompositionDesEquipes::Equipe1 : CompositionDesEquipes::Equipe2,
                                      {static_cast<int>(rang)});
            std::fprintf(stdout, "Seat %d: %s\n", siege, composition.joueur(joueur).nom().c_str());
            std::fflush(stdout);
        }
        return composition.confirme() ? 1 : 2;
    }

    void montreProgression(bool) override {}
    void menusLocaux() override {}

private:
    // The registered clients still connected, in registration order.
    static std::vector<int> clients(const CompositionDesEquipes& composition) {
        std::vector<int> presents;
        for (const auto& [joueur, noeud] : composition.noeuds())
            if (noeud) presents.push_back(joueur);
        return presents;
    }

    const Configuration& configuration_;
    std::function<void(int)> attends_;
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    Configuration configuration;
    if (!litArguments(argc, argv, configuration)) {
        std::fprintf(stderr,
                     "usage: %s [--port 4000] [--distants 1..4] [--variante 0..3] [--concours] [--niveau 0..2] "
                     "[--sans-delai] [--fichier partie.jss]\n",
                     argv[0]);
        return 2;
    }
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    TableDesTextes::globale().charge(std::string(TRUMPWISE_LANG_DIR) + "/fra.txt");
    enregistreFabrique(OptionsDuJoueur::AI, creeAIJoueur);
    assertion::installe([](const char* expression, const char* source, int ligne) {
        std::fprintf(stderr, "Assertion failed: %s %s %d\n", expression, source, ligne);
    });

    // The game runs on a virtual clock kept with the real one; without the computer players'
    // minimum decision time it runs twenty times as fast, so that a decision takes 80 ms and the
    // clients, on their real clocks, still hear from the host well within their patience. The
    // sockets are served between its steps.
    PlateformeVirtuelle plateforme;
    plateforme.reponses = {false};  // no second game
    bool perdue = false;
    plateforme.pendantLaBoite = [&perdue](const PlateformeVirtuelle::Boite& boite) {
        std::fprintf(stderr, "%s: %s\n", boite.titre.c_str(), boite.texte.c_str());
        perdue = perdue || boite.titre == "Connection interrompue." || boite.genre == "erreur";
    };
    QElapsedTimer montre;
    montre.start();
    const int facteur = configuration.sansDelai ? 20 : 1;
    const auto attends = [&](int ms) {
        QEventLoop boucle;
        QTimer::singleShot(ms, &boucle, &QEventLoop::quit);
        boucle.exec();
        plateforme.avance(static_cast<int>(montre.restart()) * facteur);
    };

    OptionsDePartie options;
    options.setNiveau(configuration.niveau);
    options.setTypeChibre(configuration.variante);
    options.setTypePartie(configuration.concours ? OptionsDePartie::Concours : OptionsDePartie::Standard);
    FenetresDeLHote fenetres(configuration, attends);
    // The last line printed: it outlives the table, which still reports while it is destroyed.
    std::string dernier;
    Statistiques statistiques;
    Table table(statistiques);
    table.setOptionsDePartie(options);
    table.setTransports({[&](ListeDesEvenements& liste, const OptionsDePartie& optionsDePartie) {
                             auto serveur = std::make_unique<ServerSocket>(liste, optionsDePartie, fenetres,
                                                                           static_cast<std::uint16_t>(configuration.port));
                             fenetres.serveur = serveur.get();
                             return serveur;
                         },
                         {}});
    table.changement = [&] {
        if (table.labelsHistorique()[0] == dernier) return;
        dernier = table.labelsHistorique()[0];
        std::fprintf(stdout, "%s\n", dernier.c_str());
        std::fflush(stdout);
    };
    table.commencePartie(Table::NouvellePartie, OptionsDePartie::ServeurTCP, "");
    if (!table.estHote()) return 1;
    while (!perdue && table.etatJeu() != EvenementDeJeu::Vide_Avant_NouvellePartie) attends(5);
    table.sauve(configuration.fichier);
    std::fprintf(stdout, "Final score: %d - %d; game saved in %s\n", table.scoreEquipe(0), table.scoreEquipe(1),
                 configuration.fichier.c_str());
    table.deconnecte();
    return perdue ? 1 : 0;
}
