#include "events/SettingsPartie.h"

#include <utility>

#include "platform/Exception.h"
#include "format/SpacesSeparatedString.h"
#include "events/Statistiques.h"

namespace {

std::string litEnregistrement(SpacesSeparatedString& lecteur, const char* champ, bool peutEtreVide) {
    std::string enregistrement = lecteur.getString();
    if (enregistrement.empty() && peutEtreVide) return enregistrement;
    if (enregistrement.empty() || enregistrement.front() != SpacesSeparatedString::STRING_START)
        throw ErreurDeFormat("Deal settings: the " + std::string(champ) + " is not a record");
    return enregistrement;
}

}  // namespace

void SettingsPartie::load(const std::string& texte) {
    SpacesSeparatedString lecteur(texte);
    SettingsPartie lu;
    lu.joueurDoitChoisirAtout = lecteur.getInt();
    if (lu.joueurDoitChoisirAtout != PREMIER_A_DETERMINER && (lu.joueurDoitChoisirAtout < 0 || lu.joueurDoitChoisirAtout > 3))
        throw ErreurDeFormat("Deal settings: seat " + std::to_string(lu.joueurDoitChoisirAtout) + " does not exist");
    lu.etatRandom = litEnregistrement(lecteur, "random generator state", false);
    lu.totalEq1 = lecteur.getInt();
    lu.totalEq2 = lecteur.getInt();
    lu.statistiques = litEnregistrement(lecteur, "statistics", false);
    // A tampered statistics record is not an error of the event: loading it resets the counts.
    static_cast<void>(Statistiques().charge(lu.statistiques));
    lu.estConcours = lecteur.getInt() != 0;
    lu.compteurDonnes = lecteur.getInt();
    lu.distributionInversee = lecteur.getInt() != 0;
    lu.etatRandomInitial = litEnregistrement(lecteur, "initial random generator state", true);
    *this = std::move(lu);
}

std::string SettingsPartie::save() const {
    SpacesSeparatedString ecrivain;
    ecrivain.addInt(joueurDoitChoisirAtout);
    ecrivain.addString(etatRandom);
    ecrivain.addInt(totalEq1);
    ecrivain.addInt(totalEq2);
    ecrivain.addString(statistiques);
    ecrivain.addInt(estConcours ? 1 : 0);
    ecrivain.addInt(compteurDonnes);
    ecrivain.addInt(distributionInversee ? 1 : 0);
    ecrivain.addString(etatRandomInitial);
    return ecrivain.toString();
}
