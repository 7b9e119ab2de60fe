#include "events/Statistiques.h"

#include <algorithm>
#include <limits>

#include "format/SpacesSeparatedString.h"

namespace {

constexpr std::int64_t MODULE_DE_CONTROLE = 39;

// A loaded record may hold any values that pass the check; counting one more game must not
// overflow.
std::int32_t ajouteBorne(std::int32_t valeur, std::int64_t ajout) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(valeur + ajout, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

void Statistiques::ajouteResultat(std::int32_t difference, bool gagne) {
    totalPoints_ = ajouteBorne(totalPoints_, difference);
    partiesJouees_ = ajouteBorne(partiesJouees_, 1);
    if (gagne) partiesGagnees_ = ajouteBorne(partiesGagnees_, 1);
}

std::int32_t Statistiques::valeurDeControle(std::int32_t totalPoints, std::int32_t partiesJouees,
                                            std::int32_t partiesGagnees) {
    const std::int64_t somme = std::int64_t{totalPoints} + partiesJouees + partiesGagnees;
    return static_cast<std::int32_t>(somme % MODULE_DE_CONTROLE);
}

std::string Statistiques::texte() const {
    SpacesSeparatedString ecrivain;
    ecrivain.addInt(totalPoints_);
    ecrivain.addInt(partiesJouees_);
    ecrivain.addInt(partiesGagnees_);
    ecrivain.addInt(valeurDeControle(totalPoints_, partiesJouees_, partiesGagnees_));
    return ecrivain.toString();
}

bool Statistiques::charge(const std::string& texte) {
    SpacesSeparatedString lecteur(texte);
    const std::int32_t total = lecteur.getInt();
    const std::int32_t jouees = lecteur.getInt();
    const std::int32_t gagnees = lecteur.getInt();
    const std::int32_t controle = lecteur.getInt();
    const bool intact = controle == valeurDeControle(total, jouees, gagnees) && jouees >= 0 && gagnees >= 0 &&
                        gagnees <= jouees;
    totalPoints_ = intact ? total : 0;
    partiesJouees_ = intact ? jouees : 0;
    partiesGagnees_ = intact ? gagnees : 0;
    return intact;
}
