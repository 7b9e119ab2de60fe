#pragma once

#include <QWidget>
#include <array>
#include <vector>

#include "ai/AnalyseJoueur.h"

class QAction;
class QChartView;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

// The analysis window of a computer player: its text, its belief about where the unplayed cards
// are (one chart per suit), one projection page per candidate card and the tree of its last
// decision. The player writes to its model many times per decision; the window gathers the
// changes and draws them once the decision returns to the event loop, and only while shown.
class TFormAnalyseJoueur : public QWidget, public FenetreAnalyse {
    Q_OBJECT
public:
    // The window listens to the model, so it must be destroyed before the model.
    explicit TFormAnalyseJoueur(AnalyseJoueur& analyse, QWidget* parent = nullptr);
    ~TFormAnalyseJoueur() override;

    // Draws now what changed since the last drawing.
    void rafraichit();
    // The chart of a suit, 1 to 4.
    QChartView* graphique(int couleur) const { return graphiques_[static_cast<unsigned>(couleur - 1) & 3]; }

    QTabWidget* const PageControlMain;
    QWidget* const TabSheetText;
    QPlainTextEdit* const RichEditInfo;
    QWidget* const TabSheetProbs;
    QTabWidget* const PageControlDistrib;
    QWidget* const TabSheetProjections;
    QTabWidget* const PageControl;
    QWidget* const TabSheetTree;
    QWidget* const Panel1;
    QWidget* const Panel2;
    QPushButton* const ButtonContinue;
    QTreeWidget* const TreeView;
    QMenu* const PopupMenuTree;
    QAction* const Expand;

    void ExpandClick();
    void ButtonContinueClick();

protected:
    void showEvent(QShowEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;

private:
    void modeleChange(AnalyseJoueur::Zone zone);
    void prevoitRedessin();
    void dessineFenetre();
    void dessineTexte();
    void dessineArbre();
    void dessineProjections();
    void dessineDistribution();

    AnalyseJoueur& analyse_;
    std::array<QChartView*, 4> graphiques_{};
    bool texteARedessiner_ = true;
    bool texteAVider_ = false;
    bool arbreARedessiner_ = true;
    bool arbreAVider_ = false;
    bool projectionsARedessiner_ = true;
    bool distributionARedessiner_ = true;
    bool redessinPrevu_ = false;
    int siegePlace_ = -1;
    int lignesAffichees_ = 0;
    std::vector<QTreeWidgetItem*> elementsDeLArbre_;
};
