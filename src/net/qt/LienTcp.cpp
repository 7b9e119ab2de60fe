#include "net/qt/LienTcp.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

LienTcp::LienTcp() : socket_(new QTcpSocket) { relie(); }

LienTcp::LienTcp(QTcpSocket* socket) : socket_(socket), ouvert_(true) {
    socket_->setParent(nullptr);
    relie();
}

LienTcp::~LienTcp() {
    *vivant_ = false;
    QObject::disconnect(socket_, nullptr, nullptr, nullptr);
    socket_->abort();
    socket_->deleteLater();
}

void LienTcp::relie() {
    // Small messages go out at once: a card played should not wait for the next one.
    socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    QObject::connect(socket_, &QTcpSocket::connected, socket_, [this] {
        ouvert_ = true;
        socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        if (observateur_) observateur_->lienEtabli(*this);
    });
    QObject::connect(socket_, &QTcpSocket::readyRead, socket_, [this] {
        const QByteArray octets = socket_->readAll();
        if (observateur_ && !octets.isEmpty()) observateur_->recoit(*this, octets.toStdString());
    });
    QObject::connect(socket_, &QTcpSocket::disconnected, socket_, [this] {
        if (!ouvert_) return;
        ouvert_ = false;
        if (observateur_) observateur_->lienFerme(*this);
    });
    QObject::connect(socket_, &QTcpSocket::errorOccurred, socket_, [this](QAbstractSocket::SocketError erreur) {
        // The peer closing is a closing, reported by disconnected.
        if (erreur == QAbstractSocket::RemoteHostClosedError) return;
        signaleErreur(socket_->errorString().toStdString());
    });
}

void LienTcp::signaleErreur(const std::string& message) {
    ouvert_ = false;
    if (observateur_) observateur_->erreurDeLien(*this, message);
}

void LienTcp::envoie(const std::string& octets) {
    if (!ouvert_) return;
    if (socket_->bytesToWrite() + static_cast<qint64>(octets.size()) > ATTENTE_MAXIMALE) {
        abandonne();
        return;
    }
    socket_->write(octets.data(), static_cast<qint64>(octets.size()));
}

void LienTcp::abandonne() {
    ferme();
    // Reported as the peer's closing, but never from inside envoie().
    QTimer::singleShot(0, socket_, [this, vivant = vivant_] {
        if (*vivant && observateur_) observateur_->lienFerme(*this);
    });
}

void LienTcp::ferme() {
    ouvert_ = false;
    QObject::disconnect(socket_, nullptr, nullptr, nullptr);
    socket_->abort();
}

std::string LienTcp::adresseLocale() const { return socket_->localAddress().toString().toStdString(); }

std::uint16_t LienTcp::portLocal() const { return socket_->localPort(); }

void LienTcp::connecte(const std::string& adresse, std::uint16_t port) {
    // An IP number in dotted form, as typed; no name is looked up.
    QHostAddress hote;
    if (!hote.setAddress(QString::fromStdString(adresse)) || hote.protocol() != QAbstractSocket::IPv4Protocol) {
        QTimer::singleShot(0, socket_, [this, adresse, vivant = vivant_] {
            if (*vivant) signaleErreur("'" + adresse + "' is not an IP number");
        });
        return;
    }
    socket_->connectToHost(hote, port);
}
