#pragma once

#include <QWidget>

#include "ui/Echelle.h"

class PanelDeCartesRamassees;

// One team's score box: the two names, goal, deal and total lines, and below them the pile of
// the cards the team has won in the deal.
class VueCartesRamassees : public QWidget {
    Q_OBJECT
public:
    explicit VueCartesRamassees(QWidget* parent = nullptr);
    void setModele(const PanelDeCartesRamassees* modele);
    const PanelDeCartesRamassees* modele() const { return modele_; }
    void setEchelle(const Echelle& echelle);

    // A line as drawn: the blanks that centred it under the names give way to a centred block.
    QString ligne(int libelle) const;
    QRect rectLigne(int libelle) const;
    QFont police(int libelle) const;

signals:
    // A click on the box: the user wants to see the trick last collected.
    void clique();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const PanelDeCartesRamassees* modele_ = nullptr;
    Echelle echelle_;
};
