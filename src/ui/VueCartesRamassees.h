#pragma once

#include <QWidget>

class PanelDeCartesRamassees;

// One team's score box: the two names, goal, deal and total lines, and below them the pile of
// the cards the team has won in the deal.
class VueCartesRamassees : public QWidget {
    Q_OBJECT
public:
    explicit VueCartesRamassees(QWidget* parent = nullptr);
    void setModele(const PanelDeCartesRamassees* modele);
    const PanelDeCartesRamassees* modele() const { return modele_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const PanelDeCartesRamassees* modele_ = nullptr;
};
