#pragma once

#include <QDialog>

#include "rules/OptionsDuJoueur.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class RadioGroup;

// The dialog in which the user enters the name under which he plays. One instance serves the
// whole session, so that a name once entered is offered again at the next opening.
class TFormOptionsDuJoueur : public QDialog {
    Q_OBJECT
public:
    // The longest name the dialog lets be typed: the table's panels and score boxes are laid out
    // to hold names of this length in the widest letters, which the layout check verifies.
    static constexpr int LONGUEUR_NOM_MAX = 16;

    explicit TFormOptionsDuJoueur(QWidget* parent = nullptr);

    // Shows the dialog modally. However it is closed, the record is replaced by a new local
    // human's record built from the dialog, with a newly drawn identifier. Returns
    // QDialog::Accepted (1) when the user confirmed.
    int edite(OptionsDuJoueur& options);
    // The record the dialog describes now.
    OptionsDuJoueur optionsSaisies() const;

    QGroupBox* const GroupBoxNom;
    QLineEdit* const EditNomDuJoueur;
    QPushButton* const ButtonOk;
    QPushButton* const ButtonCancel;
    // Kept out of the user's sight and reach; their values still go into the record.
    RadioGroup* const RadioGroupAppels;
    QGroupBox* const GroupBoxHabitudes;
    QCheckBox* const CheckBoxDepartAtoutPlusHaute;

protected:
    void showEvent(QShowEvent* evenement) override;
};
