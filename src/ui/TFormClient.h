#pragma once

#include <QDialog>

class QLineEdit;
class QProgressBar;
class QTimer;
class QPushButton;

// The client window: the host's IP number, confirmed with "&Ok" or Enter.
class TFormClient : public QDialog {
    Q_OBJECT
public:
    explicit TFormClient(QWidget* parent = nullptr);

    QLineEdit* const EditIpNumber;
    QPushButton* const ButtonGo;
};

// The connection progress window: a small tool window whose bar runs while a client waits for
// its host, so the user sees that something is under way.
class TFormtClientDurantConnection : public QDialog {
    Q_OBJECT
public:
    explicit TFormtClientDurantConnection(QWidget* parent = nullptr);
    // One tick of its timer: the bar moves a step, and starts again past its end.
    void avance();
    int progression() const;
    bool estEnCours() const;

protected:
    void showEvent(QShowEvent* evenement) override;
    void hideEvent(QHideEvent* evenement) override;

private:
    QProgressBar* barre_;
    QTimer* minuterie_;
};
