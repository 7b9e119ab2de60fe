// Measures the network host on loopback: the round trip of an event from a client through a host
// that relays it to 20 connected clients (p50, p99), the events relayed per second, and the
// memory the host's process gains with its 20 clients. A timing tool, not a test.
//
//   trumpwise_net_bench [--clients 20] [--allers-retours 2000] [--rafale 2000]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

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

const std::string SEPARATEUR = "\xA6";

long memoireKo() {
    std::ifstream statut("/proc/self/status");
    for (std::string ligne; std::getline(statut, ligne);)
        if (ligne.rfind("VmRSS:", 0) == 0) return std::strtol(ligne.c_str() + 6, nullptr, 10);
    return 0;
}

struct ClientBrut {
    QTcpSocket socket;
    std::string recu;
    int messages = 0;
};

void pompe() { QCoreApplication::processEvents(QEventLoop::AllEvents, 1); }

int compte(const std::string& texte, const std::string& motif) {
    int n = 0;
    for (auto position = texte.find(motif); position != std::string::npos; position = texte.find(motif, position + 1)) ++n;
    return n;
}

// The first client takes seat 1; the others only watch, and receive every event all the same.
class Fenetres : public FenetresReseau {
public:
    explicit Fenetres(std::vector<std::unique_ptr<ClientBrut>>& clients) : clients_(clients) {}
    int optionsDuJoueur(OptionsDuJoueur& options) override {
        options = OptionsDuJoueur("Hote", true, 1, false, OptionsDuJoueur::AI, 0);
        return 1;
    }
    int composeEquipes(CompositionDesEquipes& composition) override {
        while (composition.noeuds().size() < clients_.size()) pompe();
        const int client = composition.noeuds().front().first;
        const auto rang = [&](int joueur) {
            const auto& disponibles = composition.liste(CompositionDesEquipes::Disponibles);
            return static_cast<int>(std::find_if(disponibles.begin(), disponibles.end(),
                                                 [joueur](const auto& e) { return e.joueur == joueur; }) -
                                    disponibles.begin());
        };
        composition.ajouteAEquipe(CompositionDesEquipes::Equipe1, {rang(0)});
        composition.ajouteAEquipe(CompositionDesEquipes::Equipe2, {rang(client)});
        composition.ajouteAEquipe(CompositionDesEquipes::Equipe1, {rang(1)});
        composition.ajouteAEquipe(CompositionDesEquipes::Equipe2, {rang(2)});
        return composition.confirme() ? 1 : 2;
    }
    void montreProgression(bool) override {}
    void menusLocaux() override {}

private:
    std::vector<std::unique_ptr<ClientBrut>>& clients_;
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    int nbClients = 20, nbAllersRetours = 2000, rafale = 2000;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        const int valeur = std::atoi(argv[i + 1]);
        if (option == "--clients") nbClients = std::clamp(valeur, 1, 20);
        if (option == "--allers-retours") nbAllersRetours = std::max(valeur, 1);
        if (option == "--rafale") rafale = std::max(valeur, 1);
    }
    TableDesTextes::globale().charge(std::string(TRUMPWISE_LANG_DIR) + "/fra.txt");
    enregistreFabrique(OptionsDuJoueur::AI, creeAIJoueur);
    // The virtual clock stands still: the host's computer players never answer, and the table
    // waits at the first deal while the chat goes through it.
    PlateformeVirtuelle plateforme;

    std::vector<std::unique_ptr<ClientBrut>> clients;
    Fenetres fenetres(clients);
    Statistiques statistiques;
    Table table(statistiques);
    ServerSocket* server = nullptr;
    table.setTransports({[&](ListeDesEvenements& liste, const OptionsDePartie& options) {
                             auto s = std::make_unique<ServerSocket>(liste, options, fenetres, 0);
                             server = s.get();
                             return s;
                         },
                         {}});
    const long memoireAvant = memoireKo();
    // The clients connect from inside the server window, as users would.
    QObject contexte;
    bool connectes = false;
    QTimer::singleShot(0, &contexte, [&] {
        for (int i = 0; i < nbClients; ++i) {
            auto client = std::make_unique<ClientBrut>();
            ClientBrut* c = client.get();
            QObject::connect(&c->socket, &QTcpSocket::readyRead, [c] { c->recu += c->socket.readAll().toStdString(); });
            c->socket.connectToHost(QHostAddress::LocalHost, server->port());
            c->socket.waitForConnected(1000);
            const std::string inscription = "{Message_v3.1" + SEPARATEUR + "{1" + SEPARATEUR + "1" + SEPARATEUR +
                                            "Client" + std::to_string(i) + SEPARATEUR + "1" + SEPARATEUR + "0" +
                                            SEPARATEUR + "0" + SEPARATEUR + "2" + SEPARATEUR +
                                            std::to_string(1000 + i) + SEPARATEUR + "}" + SEPARATEUR + "4" +
                                            SEPARATEUR + "100" + SEPARATEUR + "}";
            c->socket.write(inscription.c_str());
            clients.push_back(std::move(client));
        }
        connectes = true;
    });
    table.commencePartie(Table::NouvellePartie, OptionsDePartie::ServeurTCP, "");
    if (!server || !connectes) return 1;
    for (int i = 0; i < 200; ++i) pompe();
    const long memoireApres = memoireKo();

    const auto message = [](int numero) {
        return "{Message_v3.1" + SEPARATEUR + "ping " + std::to_string(numero) + SEPARATEUR + "1" + SEPARATEUR + "99" +
               SEPARATEUR + "}";
    };
    ClientBrut& joueur = *clients.front();
    std::vector<double> durees;
    QElapsedTimer chrono;
    for (int i = 0; i < nbAllersRetours; ++i) {
        const std::string ping = message(i);
        joueur.recu.clear();
        chrono.start();
        joueur.socket.write(ping.c_str());
        while (joueur.recu.find(ping) == std::string::npos) pompe();
        durees.push_back(static_cast<double>(chrono.nsecsElapsed()) / 1000.0);
    }
    std::sort(durees.begin(), durees.end());

    for (auto& client : clients) client->recu.clear();
    chrono.start();
    std::string lot;
    for (int i = 0; i < rafale; ++i) lot += message(nbAllersRetours + i);
    joueur.socket.write(lot.c_str());
    const std::string dernier = message(nbAllersRetours + rafale - 1);
    for (auto& client : clients)
        while (client->recu.find(dernier) == std::string::npos) pompe();
    const double secondes = static_cast<double>(chrono.nsecsElapsed()) / 1e9;
    int recus = 0;
    for (auto& client : clients) recus += compte(client->recu, "ping ");

    std::printf("clients: %d\n", nbClients);
    std::printf("round trip through the host (us): p50 %.0f  p99 %.0f  max %.0f  (%d trips)\n",
                durees[durees.size() / 2], durees[durees.size() * 99 / 100], durees.back(), nbAllersRetours);
    std::printf("relayed: %d events in %.3f s: %.0f events/s from the client, %.0f deliveries/s to the clients\n",
                rafale, secondes, rafale / secondes, recus / secondes);
    std::printf("memory of the process: %ld kB before the clients, %ld kB with them (+%ld kB)\n", memoireAvant,
                memoireApres, memoireApres - memoireAvant);
    table.deconnecte();
    return 0;
}
