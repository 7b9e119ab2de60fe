#include "net/qt/LienSession.h"

#include <QTimer>

#include <utility>

#include "net/ErreurDeSession.h"

LienSession::LienSession(SessionEnet& session, SessionEnet::Participant participant)
    : session_(&session), participant_(participant), ouvert_(session.estPresent(participant)) {
    relie();
}

LienSession::LienSession(SessionEnet& session) : session_(&session) { relie(); }

LienSession::~LienSession() { ferme(); }

void LienSession::relie() {
    QObject::connect(session_, &SessionEnet::recu, &contexte_,
                     [this](SessionEnet::Participant participant, const std::string& octets) {
                         if (ouvert_ && participant == participant_ && observateur_)
                             observateur_->recoit(*this, octets);
                     });
    QObject::connect(session_, &SessionEnet::depart, &contexte_,
                     [this](SessionEnet::Participant participant, SessionEnet::Depart) {
                         if (!ouvert_ || participant != participant_) return;
                         ouvert_ = false;
                         if (observateur_) observateur_->lienFerme(*this);
                     });
}

bool LienSession::estOuvert() const { return ouvert_ && session_ && session_->estPresent(participant_); }

std::uint16_t LienSession::portLocal() const { return session_ ? session_->port() : 0; }

void LienSession::envoie(const std::string& octets) {
    if (!estOuvert() || session_->envoie(participant_, octets)) return;
    // Said once the caller returned: the box waits for the user, and the protocol must not meet
    // its own link's reports from inside a send.
    QTimer::singleShot(0, &contexte_, [] { erreurDeSession::signale(erreurDeSession::ENVOI); });
}

void LienSession::ferme() {
    if (!std::exchange(ouvert_, false) || !session_) return;
    if (session_->estHote())
        session_->renvoie(participant_);
    else
        session_->ferme();
}

void LienSession::connecte(const std::string&, std::uint16_t) {
    QTimer::singleShot(0, &contexte_, [this] {
        const auto presents = session_ ? session_->participants() : std::vector<SessionEnet::Participant>{};
        if (presents.empty()) {
            if (observateur_) observateur_->erreurDeLien(*this, erreurDeSession::texte(erreurDeSession::CONNEXION, 0));
            return;
        }
        participant_ = presents.front();
        ouvert_ = true;
        if (observateur_) observateur_->lienEtabli(*this);
    });
}
