#include "net/qt/EcouteSession.h"

#include <utility>

#include "net/ErreurDeSession.h"
#include "net/qt/LienSession.h"
#include "platform/Exception.h"

EcouteSession::EcouteSession(SessionEnet& session) : session_(&session) {
    QObject::connect(session_, &SessionEnet::arrivee, &contexte_, [this](SessionEnet::Participant participant) {
        if (!ouverte_) return;
        auto lien = std::make_unique<LienSession>(*session_, participant);
        if (observateur_) observateur_->nouveauLien(std::move(lien));
    });
}

EcouteSession::~EcouteSession() { ferme(); }

void EcouteSession::ouvre(std::uint16_t) {
    if (!session_ || !session_->estOuverte() || !session_->estHote())
        throw Exception(erreurDeSession::texte(erreurDeSession::HEBERGEMENT, 0));
    ouverte_ = true;
    session_->rendDisponible(true);
}

void EcouteSession::ferme() {
    if (!std::exchange(ouverte_, false) || !session_) return;
    session_->ferme();
}

std::uint16_t EcouteSession::port() const { return session_ ? session_->port() : 0; }
