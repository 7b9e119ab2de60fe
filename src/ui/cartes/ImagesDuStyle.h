#pragma once

#include <QImage>
#include <QString>
#include <array>

#include "ui/cartes/StyleDessine.h"
#include "rules/Atout.h"
#include "rules/Carte.h"

constexpr int NB_MODES_ATOUT = 7;

// Every picture of one style folder, and the file names the program reads them under.
struct ImagesDuStyle {
    std::array<QImage, Carte::NB_CARTES> faces;  // by card tag
    QImage dos;
    std::array<QImage, NB_MODES_ATOUT> boutons;  // modes 1 to 7

    static ImagesDuStyle dessine(const StyleDessine& style);

    static QString nomFace(const Carte& carte);
    static QString nomDos();
    static QString nomBouton(Atout mode);
};
