#pragma once

#include <QDialog>

#include "rules/OptionsDePartie.h"

class QLabel;
class QPushButton;
class RadioGroup;

// The game options dialog, run when the user starts a new game, before the players exist.
class TFormOptionsDePartie : public QDialog {
    Q_OBJECT
public:
    explicit TFormOptionsDePartie(QWidget* parent = nullptr);

    // Shows the dialog modally on the options. However the dialog is closed, the selected
    // variant, game type and level replace those of the options.
    void choisit(OptionsDePartie& options);
    static OptionsDePartie choisit(QWidget* parent, OptionsDePartie options);

    RadioGroup* const RadioGroupTypeChibre;
    RadioGroup* const RadioGroupTypePartie;
    RadioGroup* const RadioGroupNivau;
    // Which levels know the hidden cards and which plays without them.
    QLabel* const LabelQuiVoitLesCartes;
    QPushButton* const ButtonOk;
};
