#include "ui/cartes/Enseignes.h"

#include "ui/cartes/EnseignesFrancaises.h"
#include "ui/cartes/EnseignesSuisses.h"

void dessineEnseigne(QPainter& peintre, const StyleDessine& style, int couleur, const QRectF& boite) {
    peintre.save();
    peintre.translate(boite.topLeft());
    peintre.scale(boite.width() / 100.0, boite.height() / 100.0);
    if (style.enseignes == Enseignes::Francaises)
        peintre.fillPath(cheminEnseigneFrancaise(couleur), style.encres[couleur]);
    else
        dessineEnseigneSuisse(peintre, couleur);
    peintre.restore();
}
