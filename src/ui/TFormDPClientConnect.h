#pragma once

#include <QDialog>

#include "net/ErreurDeSession.h"
#include "net/ListeDesSessions.h"

class ChercheurDeSessions;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class SessionEnet;

// The session list window: it searches the local network for sessions, lists them and joins the
// chosen one, showing each attempt of the search and the joining. Its result is 1 once the
// session is joined.
class TFormDPClientConnect : public QDialog {
    Q_OBJECT
public:
    TFormDPClientConnect(SessionEnet& session, ChercheurDeSessions& chercheur, QWidget* parent = nullptr);

    // Searches, lists and joins the session the user chooses ("&Ok" with no line selected joins
    // the first; with none listed, it searches again).
    int cherche();
    // Joins a session known beforehand; a failure is shown with that text.
    int rejoint(const SessionTrouvee& session, erreurDeSession::Texte siEchec);

    // The session joined last.
    const SessionTrouvee& sessionChoisie() const { return choisie_; }

    QListWidget* const ListBoxServers;
    QLabel* const LabelProgression;
    QProgressBar* const BarreProgression;
    QPushButton* const ButtonOk;
    QPushButton* const ButtonCancel;

private:
    bool relanceLaRecherche();
    void afficheSessions();
    void choisit();
    bool commenceAJoindre(const SessionTrouvee& session);
    void echoue();

    SessionEnet& session_;
    ChercheurDeSessions& chercheur_;
    erreurDeSession::Texte siEchec_ = erreurDeSession::CONNEXION;
    bool joint_ = false;
    SessionTrouvee choisie_;
};
