#include "ui/PoliceAjustee.h"

#include <QFontMetrics>

namespace {
constexpr int TAILLE_LISIBLE = 7;
}

QFont policeAjustee(QFont police, const QString& texte, int largeur, int tailleMax) {
    for (int taille = tailleMax; taille >= TAILLE_LISIBLE; --taille) {
        police.setPixelSize(taille);
        if (QFontMetrics(police).horizontalAdvance(texte) <= largeur) break;
    }
    return police;
}
