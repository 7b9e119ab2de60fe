// Measures the network host on loopback: the round trip of an event from a client through a host
// that relays it to 20 connected clients (p50, p99), the events relayed per second, and the
// memory the host's process gains with its 20 clients. A timing tool, not a test.
//
//   trumpwise_net_bench [--clients 20] [--allers-retours 2000] [--rafale 2000]
//
// This process is the host; it starts itself again with --vers <port> for the clients, so that
// the memory it reads is the host's alone and the clients run beside it as on other computers.

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "ClientsDuBanc.h"
#include "ai/AI_Joueur.h"
#include "events/Statistiques.h"
#include "net/CompositionDesEquipes.h"
#include "net/FenetresReseau.h"
#include "net/qt/ServerSocket.h"
#include "platform/PlateformeVirtuelle.h"
#include "platform/TableDesTextes.h"
#include "players/FabriqueDeJoueurs.h"
#include "table/Table.h"

namespace {

// A line of the process's status, in kB: VmRSS (resident now) or VmHWM (resident at the peak).
long memoireKo(const std::string& champ) {
    std::ifstream statut("/proc/self/status");
    for (std::string ligne; std::getline(statut, ligne);)
        if (ligne.rfind(champ + ":", 0) == 0) return std::strtol(ligne.c_str() + champ.size() + 1, nullptr, 10);
    return 0;
}

int nbInscrits(const CompositionDesEquipes& composition) {
    return static_cast<int>(std::count_if(composition.noeuds().begin(), composition.noeuds().end(),
                                          [](const auto& noeud) { return noeud.second.has_value(); }));
}

// The server window of the benchmark: it starts the clients' process, waits on the event loop
// until every client has registered, then seats the first of them beside the host's computer
// players. The others only watch, and receive every event all the same.
class Fenetres : public FenetresReseau {
public:
    explicit Fenetres(const ClientsDuBanc::Parametres& parametres) : parametres_(parametres) {
        clients.setProcessChannelMode(QProcess::ForwardedChannels);
    }

    const Server* serveur = nullptr;
    QProcess clients;
    long memoireSansClients = 0;
    long memoireAvecClients = 0;
    long picSansClients = 0;

    int optionsDuJoueur(OptionsDuJoueur& options) override {
        options = OptionsDuJoueur("Hote", true, 1, false, OptionsDuJoueur::AI, 0);
        return 1;
    }

    int composeEquipes(CompositionDesEquipes& composition) override {
        memoireSansClients = memoireKo("VmRSS");
        picSansClients = memoireKo("VmHWM");
        QEventLoop boucle;
        composition.changement = [&] {
            if (nbInscrits(composition) == parametres_.clients) boucle.quit();
        };
        QObject::connect(&clients, &QProcess::finished, &boucle, &QEventLoop::quit);
        QTimer::singleShot(30000, &boucle, &QEventLoop::quit);
        clients.start(QCoreApplication::applicationFilePath(),
                      {"--vers", QString::number(serveur->port()), "--clients", QString::number(parametres_.clients),
                       "--allers-retours", QString::number(parametres_.allersRetours), "--rafale",
                       QString::number(parametres_.rafale)});
        boucle.exec();
        composition.changement = nullptr;
        if (nbInscrits(composition) < parametres_.clients) {
            std::fprintf(stderr, "host: %d of %d clients registered\n", nbInscrits(composition), parametres_.clients);
            return 2;
        }
        memoireAvecClients = memoireKo("VmRSS");
        const auto rang = [&](int joueur) {
            const auto& disponibles = composition.liste(CompositionDesEquipes::Disponibles);
            return static_cast<int>(std::find_if(disponibles.begin(), disponibles.end(),
                                                 [joueur](const auto& e) { return e.joueur == joueur; }) -
                                    disponibles.begin());
        };
        // The records: 0 the host, 1 and 2 its computer players, then the clients.
        const int premierClient = composition.noeuds().front().first;
        composition.ajouteAEquipe(CompositionDesEquipes::Equipe1, {rang(0)});
        composition.ajouteAEquipe(CompositionDesEquipes::Equipe2, {rang(premierClient)});
        composition.ajouteAEquipe(CompositionDesEquipes::Equipe1, {rang(1)});
        composition.ajouteAEquipe(CompositionDesEquipes::Equipe2, {rang(2)});
        return composition.confirme() ? 1 : 2;
    }
    void montreProgression(bool) override {}
    void menusLocaux() override {}

private:
    const ClientsDuBanc::Parametres& parametres_;
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ClientsDuBanc::Parametres parametres;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        const int valeur = std::atoi(argv[i + 1]);
        if (option == "--vers") parametres.port = static_cast<std::uint16_t>(std::clamp(valeur, 1, 65535));
        if (option == "--clients") parametres.clients = std::clamp(valeur, 1, static_cast<int>(Server::NB_LIENS_MAXI));
        if (option == "--allers-retours") parametres.allersRetours = std::max(valeur, 1);
        if (option == "--rafale") parametres.rafale = std::max(valeur, 1);
    }
    if (parametres.port != 0) return ClientsDuBanc(parametres).execute();

    TableDesTextes::globale().charge(std::string(TRUMPWISE_LANG_DIR) + "/fra.txt");
    enregistreFabrique(OptionsDuJoueur::AI, creeAIJoueur);
    // The virtual clock stands still: the host's computer players never answer, and the table
    // waits at the first deal while the chat goes through it.
    // Its boxes are shown only when the run failed: at the end, the clients' process leaving
    // always tells the host that the link of a seated player was lost.
    PlateformeVirtuelle plateforme;
    const auto echec = [&plateforme] {
        for (const auto& boite : plateforme.boites)
            std::fprintf(stderr, "host: %s: %s\n", boite.titre.c_str(), boite.texte.c_str());
        return 1;
    };

    Fenetres fenetres(parametres);
    Statistiques statistiques;
    Table table(statistiques);
    table.setTransports({[&](ListeDesEvenements& liste, const OptionsDePartie& options) {
                             auto serveur = std::make_unique<ServerSocket>(liste, options, fenetres, 0);
                             fenetres.serveur = serveur.get();
                             return serveur;
                         },
                         {}});
    table.commencePartie(Table::NouvellePartie, OptionsDePartie::ServeurTCP, "");
    if (!table.estHote()) return echec();

    // The host relays on its event loop until the clients have their figures.
    QEventLoop boucle;
    QObject::connect(&fenetres.clients, &QProcess::finished, &boucle, &QEventLoop::quit);
    if (fenetres.clients.state() != QProcess::NotRunning) boucle.exec();
    std::printf("host's memory (VmRSS): %ld kB listening, %ld kB with the %d clients registered (+%ld kB, %.1f kB a "
                "client), %ld kB after the relaying; peak (VmHWM) %ld kB listening, %ld kB at the end\n",
                fenetres.memoireSansClients, fenetres.memoireAvecClients, parametres.clients,
                fenetres.memoireAvecClients - fenetres.memoireSansClients,
                static_cast<double>(fenetres.memoireAvecClients - fenetres.memoireSansClients) / parametres.clients,
                memoireKo("VmRSS"), fenetres.picSansClients, memoireKo("VmHWM"));
    table.deconnecte();
    const bool reussi = fenetres.clients.exitStatus() == QProcess::NormalExit && fenetres.clients.exitCode() == 0;
    return reussi ? 0 : echec();
}
