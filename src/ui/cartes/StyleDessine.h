#pragma once

#include <QColor>
#include <QString>
#include <array>

enum class Enseignes { Francaises, SuisseAllemandes };

// How one folder of pictures is drawn: its suit symbols, the colour of each suit's indexes and
// the colours of its back.
struct StyleDessine {
    QString dossier;
    Enseignes enseignes;
    // Indexed by suit value, 1 to 4 (Trefle, Carreau, Pique, Coeur); index 0 unused.
    std::array<QColor, 5> encres;
    // Rank letters of the corner indexes, from the Six to the Ace.
    std::array<QString, 9> rangs;
    QColor dosFond;
    QColor dosMotif;
    QColor dosFilet;
};

// The four folders the program knows: Fra, Ger, Fun, XXX.
const std::array<StyleDessine, 4>& stylesDessines();
