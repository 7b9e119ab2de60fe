#include "ui/TFormOptionsDuJoueur.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Plateforme.h"
#include "ui/RadioGroup.h"
#include "ui/Texte.h"

namespace {
constexpr int ID_TITRE = 5136;
constexpr int ID_NOM_DU_JOUEUR = 5137;
constexpr int ID_OK = 5138;
constexpr int ID_ANNULER = 5139;
constexpr int ID_APPELS = 5140;
constexpr int ID_PAS_D_APPELS = 5141;  // then indirect and direct calls
constexpr int ID_HABITUDES = 5144;
constexpr int ID_DEPART_ATOUT_PLUS_HAUT = 5145;
}  // namespace

TFormOptionsDuJoueur::TFormOptionsDuJoueur(QWidget* parent)
    : QDialog(parent),
      GroupBoxNom(new QGroupBox(qtexte(ID_NOM_DU_JOUEUR), this)),
      EditNomDuJoueur(new QLineEdit(GroupBoxNom)),
      ButtonOk(new QPushButton(qtexte(ID_OK), this)),
      ButtonCancel(new QPushButton(qtexte(ID_ANNULER), this)),
      RadioGroupAppels(new RadioGroup(qtexte(ID_APPELS), 1, this)),
      GroupBoxHabitudes(new QGroupBox(qtexte(ID_HABITUDES), this)),
      CheckBoxDepartAtoutPlusHaute(new QCheckBox(qtexte(ID_DEPART_ATOUT_PLUS_HAUT), GroupBoxHabitudes)) {
    setWindowTitle(qtexte(ID_TITRE));
    (new QVBoxLayout(GroupBoxNom))->addWidget(EditNomDuJoueur);
    // A longer login name offered at the first opening is cut to the same length.
    EditNomDuJoueur->setMaxLength(LONGUEUR_NOM_MAX);
    ButtonOk->setDefault(true);
    connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(EditNomDuJoueur, &QLineEdit::returnPressed, this, &QDialog::accept);

    // The calls and habits are not offered to the user in this version: fixed at no calls and
    // no habit, and never shown.
    RadioGroupAppels->setItems({qtexte(ID_PAS_D_APPELS), qtexte(ID_PAS_D_APPELS + 1), qtexte(ID_PAS_D_APPELS + 2)});
    RadioGroupAppels->setItemIndex(0);
    (new QVBoxLayout(GroupBoxHabitudes))->addWidget(CheckBoxDepartAtoutPlusHaute);
    for (QWidget* cache : {static_cast<QWidget*>(RadioGroupAppels), static_cast<QWidget*>(GroupBoxHabitudes)}) {
        cache->setEnabled(false);
        cache->hide();
    }

    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(ButtonOk);
    boutons->addWidget(ButtonCancel);
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(GroupBoxNom);
    disposition->addStretch();
    disposition->addLayout(boutons);
    setFixedSize(384, 124);
}

void TFormOptionsDuJoueur::showEvent(QShowEvent* evenement) {
    if (EditNomDuJoueur->text().isEmpty())
        EditNomDuJoueur->setText(qtexte(Plateforme::courante().nomDUtilisateur()));
    QDialog::showEvent(evenement);
}

OptionsDuJoueur TFormOptionsDuJoueur::optionsSaisies() const {
    return OptionsDuJoueur(depuisQt(EditNomDuJoueur->text()), CheckBoxDepartAtoutPlusHaute->isChecked(),
                           static_cast<std::uint8_t>(RadioGroupAppels->itemIndex()), false, OptionsDuJoueur::Humain,
                           OptionsDuJoueur::NIVEAU_MAX);
}

int TFormOptionsDuJoueur::edite(OptionsDuJoueur& options) {
    const int resultat = exec();
    options = optionsSaisies();
    return resultat;
}
