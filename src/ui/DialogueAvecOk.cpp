#include "ui/DialogueAvecOk.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

QVBoxLayout* disposeAvecOk(QDialog& dialogue, QWidget* groupe, QPushButton* ok) {
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialogue, &QDialog::accept);
    auto* bouton = new QHBoxLayout;
    bouton->addStretch();
    bouton->addWidget(ok);
    bouton->addStretch();
    auto* disposition = new QVBoxLayout(&dialogue);
    disposition->addWidget(groupe, 1);
    disposition->addLayout(bouton);
    return disposition;
}
