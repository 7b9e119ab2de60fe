#include "ui/TFormClient.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/Texte.h"

namespace {
enum IdTexte { ID_TITRE = 5392, ID_CONNECTION_DIRECTE, ID_OK, ID_EN_COURS };
constexpr int PERIODE_BARRE_MS = 500;
constexpr int PAS_BARRE = 10;
}  // namespace

TFormClient::TFormClient(QWidget* parent)
    : QDialog(parent), EditIpNumber(new QLineEdit(QStringLiteral("0.0.0.0"))), ButtonGo(new QPushButton(qtexte(ID_OK))) {
    setWindowTitle(qtexte(ID_TITRE));
    auto* groupe = new QGroupBox(qtexte(ID_CONNECTION_DIRECTE), this);
    auto* ligne = new QHBoxLayout(groupe);
    ligne->addWidget(EditIpNumber, 1);
    ligne->addWidget(ButtonGo);
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(groupe);
    ButtonGo->setDefault(true);
    connect(ButtonGo, &QPushButton::clicked, this, [this] { done(1); });
    connect(EditIpNumber, &QLineEdit::returnPressed, this, [this] { done(1); });
}

TFormtClientDurantConnection::TFormtClientDurantConnection(QWidget* parent)
    : QDialog(parent, Qt::Tool), barre_(new QProgressBar(this)), minuterie_(new QTimer(this)) {
    setWindowTitle(qtexte(ID_TITRE));
    barre_->setRange(0, 100);
    barre_->setTextVisible(false);
    barre_->setValue(0);
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(new QLabel(qtexte(ID_EN_COURS), this));
    disposition->addWidget(barre_);
    setModal(false);
    minuterie_->setInterval(PERIODE_BARRE_MS);
    connect(minuterie_, &QTimer::timeout, this, &TFormtClientDurantConnection::avance);
}

// The wait has no known length: the bar only shows that something is under way.
void TFormtClientDurantConnection::avance() {
    const int suivante = barre_->value() + PAS_BARRE;
    barre_->setValue(suivante > barre_->maximum() ? barre_->minimum() : suivante);
}

int TFormtClientDurantConnection::progression() const { return barre_->value(); }

bool TFormtClientDurantConnection::estEnCours() const { return minuterie_->isActive(); }

void TFormtClientDurantConnection::showEvent(QShowEvent* evenement) {
    minuterie_->start();
    QDialog::showEvent(evenement);
}

void TFormtClientDurantConnection::hideEvent(QHideEvent* evenement) {
    minuterie_->stop();
    QDialog::hideEvent(evenement);
}
