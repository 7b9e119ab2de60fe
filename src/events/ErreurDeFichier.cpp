#include "events/ErreurDeFichier.h"

#include "platform/TableDesTextes.h"

namespace {
constexpr int ID_FICHIER_ENDOMMAGE = 3602;
}

ErreurDeFichier::ErreurDeFichier(int raison, const std::string& message)
    : Exception(message), ligne_(0), raison_(raison) {}

ErreurDeFichier::ErreurDeFichier(std::size_t ligne, int raison)
    : Exception(formate(ID_FICHIER_ENDOMMAGE, ligne, texte(raison))), ligne_(ligne), raison_(raison) {}
