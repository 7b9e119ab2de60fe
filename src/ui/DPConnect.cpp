#include "ui/DPConnect.h"

#include <QFile>

#include "net/LancementDeSession.h"
#include "platform/TableDesTextes.h"
#include "ui/TFormDPClientConnect.h"

namespace {
constexpr int ID_NOM_SESSION = 3716;
constexpr int RESULTAT_ANNULE = 2;

// The text of a launch: the link itself, or the launch file's first bytes (a file too long to be
// a launch file is read just far enough to be refused).
std::string texteDuLancement(const QString& argument) {
    if (argument.startsWith(QLatin1String("trumpwise:"))) return argument.toStdString();
    QFile fichier(argument);
    if (argument.isEmpty() || !fichier.open(QIODevice::ReadOnly)) return {};
    return fichier.read(LancementDeSession::LONGUEUR_MAXI + 1).toStdString();
}
}  // namespace

DPConnect::DPConnect(QWidget* fenetre)
    : chercheur_(ChercheurDeSessions::destinationsParDefaut()),
      fenetre_(std::make_unique<TFormDPClientConnect>(session_, chercheur_, fenetre)) {
    connect(&session_, &SessionEnet::depart, this,
            [this](SessionEnet::Participant, SessionEnet::Depart raison) { signaleDepart(raison); });
}

DPConnect::~DPConnect() = default;

bool DPConnect::hebergeSession(const std::string& nom, std::uint16_t port, erreurDeSession::Texte siEchec) {
    if (!session_.heberge(nom, port)) {
        erreurDeSession::signale(siEchec, static_cast<unsigned>(session_.erreurSysteme()));
        return false;
    }
    // Clients come in once the server's window opens: one let in while the game's options are
    // still being chosen would register with nobody.
    session_.rendDisponible(false);
    nomSession_ = session_.nom();
    return true;
}

bool DPConnect::heberge(const std::string& nomJoueur, std::uint16_t port) {
    return hebergeSession(formate(ID_NOM_SESSION, nomJoueur), port, erreurDeSession::HEBERGEMENT);
}

int DPConnect::chercheEtRejoint() {
    const int resultat = fenetre_->cherche();
    if (resultat == 1) {
        rejointe_ = fenetre_->sessionChoisie();
        nomSession_ = rejointe_.nom;
        return 1;
    }
    session_.ferme();
    return resultat == RESULTAT_ANNULE ? -1 : 0;
}

DPConnect::Lancement DPConnect::lanceParLobby(const QString& argument) {
    const auto lancement = LancementDeSession::lit(texteDuLancement(argument));
    if (!lancement) {
        erreurDeSession::signale(erreurDeSession::LANCEMENT_ILLISIBLE);
        return Echec;
    }
    if (lancement->mode == LancementDeSession::Mode::Heberge)
        return hebergeSession(lancement->nomSession, lancement->port, erreurDeSession::LANCEMENT_HEBERGE) ? Heberge
                                                                                                        : Echec;
    const SessionTrouvee session{0, lancement->nomSession, lancement->hote, lancement->port};
    if (fenetre_->rejoint(session, erreurDeSession::LANCEMENT_REJOINT) != 1) {
        session_.ferme();
        return Echec;
    }
    rejointe_ = session;
    nomSession_ = lancement->nomSession;
    return Rejoint;
}

// The host ended the session or removed this computer's player: the user is told why. The game
// itself ends through its link, as for any lost link.
void DPConnect::signaleDepart(SessionEnet::Depart raison) {
    if (session_.estHote()) return;
    if (raison == SessionEnet::Depart::SessionTerminee) erreurDeSession::signale(erreurDeSession::SESSION_TERMINEE);
    if (raison == SessionEnet::Depart::Renvoye) erreurDeSession::signale(erreurDeSession::JOUEUR_RENVOYE);
}
