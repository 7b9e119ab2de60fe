#pragma once

#include <QDialog>

class CompositionDesEquipes;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;

// The server window: while it is open, clients connect and register; the host moves the players
// into the two teams and confirms. It draws the composition and turns its buttons into the
// composition's moves; registrations arriving meanwhile appear at once.
class TFormServer : public QDialog {
    Q_OBJECT
public:
    TFormServer(CompositionDesEquipes& composition, QWidget* parent = nullptr);
    ~TFormServer() override;

    QTreeWidget* const TreeViewJoueurs;
    QListWidget* const ListBoxJoueursDisponibles;
    QListWidget* const ListBoxEquipe1;
    QListWidget* const ListBoxEquipe2;
    QPushButton* const ButtonAJouteEq1;
    QPushButton* const ButtonResetEq1;
    QPushButton* const ButtonAjouteEq2;
    QPushButton* const ButtonResetEq2;
    QLabel* const LabelNoticePortFirewall;
    QPushButton* const ButtonOk;
    QPushButton* const ButtonCancel;

private:
    void rafraichit();

    CompositionDesEquipes& composition_;
};
