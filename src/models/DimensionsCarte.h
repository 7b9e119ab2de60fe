#pragma once

// Every card picture is shown at this size, whatever the size of its file, so the layouts of
// the hands, the central pile and the won-card piles can be computed without the pictures.
constexpr int LARGEUR_CARTE = 71;
constexpr int HAUTEUR_CARTE = 96;
