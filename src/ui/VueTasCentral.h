#pragma once

#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <optional>
#include <vector>

#include "models/HistoriqueDesDonnes.h"
#include "ui/Echelle.h"

class Carte;
class TasCentral;

// The green central pile: the hint line of the deal's mode in a band along its top, and under
// it the cards of the trick, each placed towards the seat that played it. It takes the drop of a card dragged from the user's hand,
// and tells the user's player which card lies under the pointer.
class VueTasCentral : public QWidget {
    Q_OBJECT
public:
    // The mime type of a card dragged from a hand.
    static const char* const TYPE_CARTE_GLISSEE;

    explicit VueTasCentral(QWidget* parent = nullptr);

    void setModele(TasCentral* tas);
    TasCentral* modele() const { return tas_; }
    // Follows the model: cards newly put lie in front of the earlier ones.
    void rafraichit();
    // The pile's place in the playing area, in classic pixels, shown at that scale.
    void place(const QRect& classique, const Echelle& echelle);
    const Echelle& echelle() const { return echelle_; }

    // Where the card of a seat lies on a pile of that inner size.
    static QPoint placeSurTas(int noJoueur, int largeur, int hauteur);
    // The top left corner of a seat's card in this view.
    QPoint coinDeCarte(int noJoueur) const;
    // The band of the hint line, which no card covers, and what it says: the deal's hint, or
    // while the last trick is shown, whose trick it was.
    QRect rectLabelAtout() const;
    QFont policeLabelAtout() const;
    QString texteBandeau() const;

    // Shows a trick already collected in place of the current one, its winner's card framed,
    // for a few seconds or until a card is put on the pile.
    void montrePli(const HistoriqueDesDonnes::Pli& pli, const QString& legende);
    void cachePli();
    bool pliMontre() const { return pli_.has_value(); }
    static constexpr int DUREE_PLI_MONTRE_MS = 4000;
    // The frontmost card under a point, or none.
    const Carte* carteSous(QPoint point) const;

signals:
    void pliCache();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    TasCentral* tas_ = nullptr;
    Echelle echelle_;
    QSize tailleClassique_;
    // Seats in the order their cards were put on the pile.
    std::vector<int> ordre_;
    std::optional<HistoriqueDesDonnes::Pli> pli_;
    QString legendePli_;
    // The pile's cards when the old trick was shown: the next card put hides it.
    std::array<const Carte*, 4> cartesSousLePli_{};
    QTimer finPli_;
};
