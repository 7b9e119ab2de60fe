#include "ClientsDuBanc.h"

#include <QHostAddress>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "platform/Exception.h"

namespace {

const std::string SEPARATEUR = "\xA6";

// A player's chat line, as the client holding seat 1 sends it.
std::string chat(const std::string& texte) {
    return "{Message_v3.1" + SEPARATEUR + texte + SEPARATEUR + "1" + SEPARATEUR + "99" + SEPARATEUR + "}";
}

std::string inscription(int numero) {
    return "{Message_v3.1" + SEPARATEUR + "{1" + SEPARATEUR + "1" + SEPARATEUR + "Client" + std::to_string(numero) +
           SEPARATEUR + "1" + SEPARATEUR + "0" + SEPARATEUR + "0" + SEPARATEUR + "2" + SEPARATEUR +
           std::to_string(1000 + numero) + SEPARATEUR + "}" + SEPARATEUR + "4" + SEPARATEUR + "100" + SEPARATEUR + "}";
}

// The lines of the burst, told from the pings that may still be on their way to the others.
const std::string DEBUT_RAFALE = "{Message_v3.1" + SEPARATEUR + "rafale ";

bool commencePar(const std::string& texte, const std::string& debut) { return texte.rfind(debut, 0) == 0; }

// Far beyond what a loopback run takes; a host that stops answering ends the run with a failure.
constexpr int GARDE_MS = 120000;

}  // namespace

ClientsDuBanc::ClientsDuBanc(const Parametres& parametres) : parametres_(parametres) {}

int ClientsDuBanc::execute() {
    for (int i = 0; i < parametres_.clients; ++i) {
        clients_.push_back(std::make_unique<Client>());
        Client& client = *clients_.back();
        QObject::connect(&client.socket, &QTcpSocket::connected, [&client, i] {
            client.socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
            const std::string texte = inscription(i);
            client.socket.write(texte.data(), static_cast<qint64>(texte.size()));
        });
        QObject::connect(&client.socket, &QTcpSocket::readyRead, [this, &client] { recoit(client); });
        QObject::connect(&client.socket, &QTcpSocket::errorOccurred, [this, &client] {
            std::fprintf(stderr, "client: %s\n", client.socket.errorString().toLocal8Bit().constData());
            termine(1);
        });
        client.socket.connectToHost(QHostAddress::LocalHost, parametres_.port);
    }
    QTimer::singleShot(GARDE_MS, &boucle_, [this] {
        std::fprintf(stderr, "client: the host stopped answering\n");
        termine(1);
    });
    return boucle_.exec();
}

void ClientsDuBanc::recoit(Client& client) {
    client.tampon.ajoute(client.socket.readAll().toStdString());
    try {
        while (const auto message = client.tampon.suivant()) traite(client, *message);
    } catch (const Exception& erreur) {
        std::fprintf(stderr, "client: %s\n", erreur.what());
        termine(1);
    }
}

void ClientsDuBanc::traite(Client& client, const std::string& message) {
    // The deal settings come once the teams are composed: the game has started.
    if (!client.partieCommencee && commencePar(message, "{EnregistrementSettingsPartie")) {
        client.partieCommencee = true;
        if (++nbPartiesCommencees_ == parametres_.clients) {
            phase_ = Phase::AllersRetours;
            envoiePing();
        }
        return;
    }
    if (phase_ == Phase::AllersRetours && &client == clients_.front().get() && message == pingAttendu_) {
        durees_.push_back(static_cast<double>(chrono_.nsecsElapsed()) / 1000.0);
        if (static_cast<int>(durees_.size()) < parametres_.allersRetours)
            envoiePing();
        else
            envoieRafale();
        return;
    }
    if (phase_ != Phase::Rafale || !commencePar(message, DEBUT_RAFALE)) return;
    if (++client.chats == parametres_.rafale && ++nbRafalesCompletes_ == parametres_.clients) {
        secondesRafale_ = static_cast<double>(chrono_.nsecsElapsed()) / 1e9;
        imprime();
        termine(0);
    }
}

void ClientsDuBanc::envoiePing() {
    pingAttendu_ = chat("ping " + std::to_string(durees_.size()));
    chrono_.start();
    clients_.front()->socket.write(pingAttendu_.data(), static_cast<qint64>(pingAttendu_.size()));
}

void ClientsDuBanc::envoieRafale() {
    phase_ = Phase::Rafale;
    std::string lot;
    for (int i = 0; i < parametres_.rafale; ++i) lot += chat("rafale " + std::to_string(i));
    chrono_.start();
    clients_.front()->socket.write(lot.data(), static_cast<qint64>(lot.size()));
}

void ClientsDuBanc::imprime() const {
    std::vector<double> durees = durees_;
    std::sort(durees.begin(), durees.end());
    const auto rang = [&](double part) { return durees[static_cast<std::size_t>(part * static_cast<double>(durees.size() - 1))]; };
    std::printf("clients: %d (one holds a seat, all receive every event)\n", parametres_.clients);
    std::printf("round trip of a chat event through the host (us): p50 %.0f  p99 %.0f  max %.0f  (%d trips)\n",
                rang(0.5), rang(0.99), durees.back(), parametres_.allersRetours);
    std::printf("relayed: a burst of %d events in %.3f s: %.0f events/s from the client, %.0f deliveries/s to "
                "the %d clients\n",
                parametres_.rafale, secondesRafale_, parametres_.rafale / secondesRafale_,
                parametres_.rafale * parametres_.clients / secondesRafale_, parametres_.clients);
    std::fflush(stdout);
}

void ClientsDuBanc::termine(int code) { boucle_.exit(code); }
