#pragma once

#include <QFont>
#include <QString>

// The font at the largest pixel size from tailleMax down to a legible least that holds the text
// on one line of that width: a long name or a long German line is drawn a little smaller
// rather than cut.
QFont policeAjustee(QFont police, const QString& texte, int largeur, int tailleMax);
