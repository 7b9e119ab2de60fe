#pragma once

#include <QPoint>
#include <QWidget>
#include <vector>

#include "ui/Echelle.h"

class ConseilFlottant;
class PanelDeJoueur;
class PanelTimer;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QToolButton;

// An area of a panel that blinks while it waits for the user.
class ZoneSurlignable : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    void setSurligne(bool surligne);
    bool estSurligne() const { return surligne_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool surligne_ = false;
};

// The card area of a panel: the hand as the model lays it out; for the user the card under the
// pointer rises when it may be played, and a double click or a drag to the pile plays it.
class VueZoneCartes : public ZoneSurlignable {
    Q_OBJECT
public:
    explicit VueZoneCartes(QWidget* parent);
    void setModele(PanelDeJoueur* panel) { panel_ = panel; }
    void setEchelle(const Echelle& echelle) { echelle_ = echelle; }
    // A card of the hand framed, the master's advice; none frames nothing.
    void setCarteConseillee(const Carte* carte);
    const Carte* carteConseillee() const { return carteConseillee_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void glisse();

    PanelDeJoueur* panel_ = nullptr;
    Echelle echelle_;
    const Carte* carteConseillee_ = nullptr;
    QPoint departGlisser_;
    bool glisserPossible_ = false;
};

// One seat's panel in a corner of the table, drawing its model (PanelDeJoueur): the name, the
// trump buttons, the hand and, for the user, the action button, the information list and the
// chat of a network game.
class VuePanelJoueur : public QWidget {
    Q_OBJECT
public:
    explicit VuePanelJoueur(QWidget* parent = nullptr);

    // Follows a panel from now on; none hides the view. The previous panel is not touched: it
    // may be gone already.
    void lie(PanelDeJoueur* panel);
    // Stops following the panel, which is still there.
    void delie();
    PanelDeJoueur* modele() const { return panel_; }
    // Lays the panel out for a playing area of this size in classic pixels, shown at that scale.
    void place(int largeurParent, int hauteurParent, const Echelle& echelle);
    const Echelle& echelle() const { return echelle_; }
    void rafraichit();
    // The card style changed: the trump glyphs are read again.
    void rechargeImages();

    QToolButton* boutonAtout(int index) const { return boutonsAtout_.at(index); }
    int nbBoutonsAtout() const { return static_cast<int>(boutonsAtout_.size()); }
    QToolButton* boutonChibre() const { return boutonChibre_; }
    QPushButton* boutonAction() const { return boutonAction_; }
    VueZoneCartes* zoneCartes() const { return zoneCartes_; }
    QPlainTextEdit* information() const { return information_; }
    QPlainTextEdit* chat() const { return chat_; }
    QLineEdit* ligneChat() const { return ligneChat_; }
    QLabel* labelNom() const { return labelNom_; }

signals:
    // The panel followed changed: a request came or was answered.
    void modeleChange();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void construit();
    void traduit();
    void appliquePolices();
    // A trump button's hint lies beside the trump area, never over a button to be clicked.
    void montreConseilAtout(QToolButton* bouton);
    void detruitControles();
    void placeControles();
    void suitBoutonsAtout();
    void suitInformation();

    PanelDeJoueur* panel_ = nullptr;
    Echelle echelle_;
    QLabel* labelNom_;
    ZoneSurlignable* zoneAtout_;
    std::vector<QToolButton*> boutonsAtout_;
    QToolButton* boutonChibre_ = nullptr;
    VueZoneCartes* zoneCartes_;
    ZoneSurlignable* zoneAction_;
    QPushButton* boutonAction_;
    QTabWidget* pages_ = nullptr;
    QPlainTextEdit* information_ = nullptr;
    QPlainTextEdit* chat_ = nullptr;
    QLineEdit* ligneChat_ = nullptr;
    QWidget* pageChat_ = nullptr;
    ConseilFlottant* conseil_;
};
