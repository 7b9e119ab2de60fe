#include "net/qt/EcouteTcp.h"

#include <QTcpServer>
#include <QTcpSocket>

#include "net/qt/LienTcp.h"
#include "platform/Exception.h"

EcouteTcp::EcouteTcp() : serveur_(std::make_unique<QTcpServer>()) {
    QObject::connect(serveur_.get(), &QTcpServer::newConnection, serveur_.get(), [this] {
        while (QTcpSocket* socket = serveur_->nextPendingConnection()) {
            auto lien = std::make_unique<LienTcp>(socket);
            if (observateur_)
                observateur_->nouveauLien(std::move(lien));
        }
    });
}

EcouteTcp::~EcouteTcp() { ferme(); }

void EcouteTcp::ouvre(std::uint16_t port) {
    if (!serveur_->listen(QHostAddress::Any, port)) throw Exception(serveur_->errorString().toStdString());
}

void EcouteTcp::ferme() { serveur_->close(); }

bool EcouteTcp::estOuverte() const { return serveur_->isListening(); }

std::uint16_t EcouteTcp::port() const { return serveur_->serverPort(); }
