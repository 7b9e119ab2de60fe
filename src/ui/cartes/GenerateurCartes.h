#pragma once

#include <QString>
#include <QStringList>

// Writes the pictures of every style into its folder below dossierCartes (Fra, Ger, Fun, XXX),
// creating the folders. Returns the files that could not be written: empty when all went well.
QStringList genereCartes(const QString& dossierCartes);
