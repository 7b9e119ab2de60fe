#pragma once

#include <QWidget>
#include <array>

#include "rules/CarteSet.h"
#include "ui/Echelle.h"

// The four hands of the deal that has just ended, as they were dealt, in the middle of the table
// while the next deal waits to be dealt and after the game: team by team, each hand under its
// player's name, and beside the first name of a team the points the team made in the deal. So
// anybody can see what everybody held, and that the computer players held what they played.
// Between the title and the hands, the coach's lines, for which the box grows upwards.
class VueMainsDeLaDonne : public QWidget {
    Q_OBJECT
public:
    struct Main {
        QString nom;
        QString points;  // empty on the second hand of a team
        CarteSet cartes;
    };
    // Seats in the order they are shown: team 1's, then team 2's.
    static constexpr std::array<int, 4> ORDRE_DES_SIEGES{0, 2, 1, 3};
    static constexpr int HAUTEUR_LIGNE_DU_COACH = 12;

    explicit VueMainsDeLaDonne(QWidget* parent = nullptr);

    void montre(const QString& titre, const std::array<Main, 4>& mains, const QStringList& lignesDuCoach = {});
    // The place the box takes, in classic pixels, shown at that scale: the central pile's, and
    // above it the height of the coach's lines.
    void place(const QRect& classique, const Echelle& echelle);
    // What the coach's lines add to the box's height, in classic pixels.
    int hauteurDuCoach() const;

    // The title, then each row's name, then each row's points, then the coach's lines, with the
    // box and font each is drawn in; for the layout check.
    int nbTextes() const { return 9 + static_cast<int>(lignesDuCoach_.size()); }
    QString texte(int i) const;
    QRect rectTexte(int i) const;
    QFont police(int i) const;
    // The card of a row at an index of its hand.
    QRect rectCarte(int rang, int indice) const;
    const std::array<Main, 4>& mains() const { return mains_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect rectLigneDeNom(int rang) const;
    // Where the rows of hands start, below the title and the coach's lines.
    int topRangs() const;

    QString titre_;
    QStringList lignesDuCoach_;
    std::array<Main, 4> mains_;
    Echelle echelle_;
    QSize tailleClassique_;
};
