#include "net/qt/ChercheurDeSessions.h"

#include <QNetworkInterface>
#include <QNetworkDatagram>
#include <QStringList>

#include "net/MessageDeDecouverte.h"

ChercheurDeSessions::ChercheurDeSessions(std::vector<Destination> destinations, int intervalleMs, QObject* parent)
    : QObject(parent), destinations_(std::move(destinations)) {
    minuterie_.setInterval(intervalleMs);
    connect(&minuterie_, &QTimer::timeout, this, &ChercheurDeSessions::envoieRequete);
    connect(&socket_, &QUdpSocket::readyRead, this, &ChercheurDeSessions::litReponses);
}

std::vector<ChercheurDeSessions::Destination> ChercheurDeSessions::destinationsParDefaut() {
    std::vector<Destination> destinations;
    const QString choisies = qEnvironmentVariable("TRUMPWISE_DECOUVERTE");
    if (!choisies.isEmpty()) {
        for (const QString& texte : choisies.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const qsizetype deuxPoints = texte.lastIndexOf(QLatin1Char(':'));
            const QHostAddress adresse(texte.left(deuxPoints));
            bool nombre = false;
            const uint port = deuxPoints < 0 ? decouverte::PORT : texte.mid(deuxPoints + 1).toUInt(&nombre);
            if (!adresse.isNull() && port > 0 && port <= 65535 && (deuxPoints < 0 || nombre))
                destinations.emplace_back(adresse, static_cast<std::uint16_t>(port));
        }
        return destinations;
    }
    destinations.emplace_back(QHostAddress::Broadcast, decouverte::PORT);
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        if (!(interface.flags() & QNetworkInterface::IsUp)) continue;
        for (const QNetworkAddressEntry& entree : interface.addressEntries())
            if (!entree.broadcast().isNull()) destinations.emplace_back(entree.broadcast(), decouverte::PORT);
    }
    destinations.emplace_back(QHostAddress::LocalHost, decouverte::PORT);
    return destinations;
}

bool ChercheurDeSessions::cherche() {
    minuterie_.stop();
    sessions_.vide();
    nbEnvoyees_ = 0;
    if (socket_.state() != QAbstractSocket::BoundState && !socket_.bind(QHostAddress::AnyIPv4, 0)) return false;
    if (!envoieRequete()) return false;
    minuterie_.start();
    return true;
}

bool ChercheurDeSessions::envoieRequete() {
    if (nbEnvoyees_ == NB_TENTATIVES) {
        minuterie_.stop();
        emit termine();
        return false;
    }
    const QByteArray requete = QByteArray::fromStdString(decouverte::requete());
    bool envoyee = false;
    for (const auto& [adresse, port] : destinations_) envoyee = socket_.writeDatagram(requete, adresse, port) >= 0 || envoyee;
    ++nbEnvoyees_;
    emit tentative(nbEnvoyees_);
    return envoyee;
}

void ChercheurDeSessions::litReponses() {
    while (socket_.hasPendingDatagrams()) {
        const QNetworkDatagram datagramme = socket_.receiveDatagram(decouverte::LONGUEUR_DATAGRAMME_MAXI + 1);
        const auto reponse = decouverte::litReponse(datagramme.data().toStdString());
        if (!reponse) continue;
        bool ipv4 = false;
        const QHostAddress source(datagramme.senderAddress().toIPv4Address(&ipv4));
        if (!ipv4) continue;
        if (sessions_.ajoute({reponse->instance, reponse->nom, source.toString().toStdString(), reponse->port}))
            emit sessionTrouvee();
    }
}
