#pragma once

#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "models/FeuilleDeMarque.h"

class QLabel;
class QPushButton;
class QTableWidget;

// The score sheet of the game, opened from the View menu: one row a deal with its mode, who
// chose it, each team's points and running total. Opening it changes nothing of the game.
class TFormFeuilleDeMarque : public QDialog {
    Q_OBJECT
public:
    // equipes: the two teams' names, team 1 (seats 0 and 2) first.
    TFormFeuilleDeMarque(const std::vector<LigneDeMarque>& lignes, const std::array<std::string, 2>& equipes,
                         QWidget* parent = nullptr);

    QTableWidget* const TableMarque;
    QLabel* const LabelAucuneDonne;
    QPushButton* const ButtonOk;
};
