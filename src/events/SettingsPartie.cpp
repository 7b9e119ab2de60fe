#include "events/SettingsPartie.h"

#include <utility>

#include "platform/Exception.h"
#include "format/SpacesSeparatedString.h"
#include "rules/KnuthRandom.h"
#include "events/Statistiques.h"

namespace {

std::string litEnregistrement(SpacesSeparatedString& lecteur, const char* champ, bool peutEtreVide) {
    std::string enregistrement = lecteur.getString();
    if (enregistrement.empty() && peutEtreVide) return enregistrement;
    if (enregistrement.empty() || enregistrement.front() != SpacesSeparatedString::STRING_START)
        throw ErreurDeFormat("Deal settings: the " + std::string(champ) + " is not a record");
    return enregistrement;
}

std::int32_t litDansIntervalle(SpacesSeparatedString& lecteur, const char* champ, std::int32_t minimum,
                               std::int32_t maximum) {
    const std::int32_t valeur = lecteur.getInt();
    if (valeur < minimum || valeur > maximum)
        throw ErreurDeValeur("Deal settings: the " + std::string(champ) + " " + std::to_string(valeur) +
                             " is outside " + std::to_string(minimum) + " to " + std::to_string(maximum));
    return valeur;
}

}  // namespace

void SettingsPartie::load(const std::string& texte) {
    SpacesSeparatedString lecteur(texte);
    SettingsPartie lu;
    lu.joueurDoitChoisirAtout = lecteur.getInt();
    if (lu.joueurDoitChoisirAtout != PREMIER_A_DETERMINER && (lu.joueurDoitChoisirAtout < 0 || lu.joueurDoitChoisirAtout > 3))
        throw ErreurDeValeur("Deal settings: seat " + std::to_string(lu.joueurDoitChoisirAtout) + " does not exist");
    lu.etatRandom = litEnregistrement(lecteur, "random generator state", false);
    KnuthRandom(true).load(lu.etatRandom);
    lu.totalEq1 = litDansIntervalle(lecteur, "team 1 total", 0, TOTAL_MAX);
    lu.totalEq2 = litDansIntervalle(lecteur, "team 2 total", 0, TOTAL_MAX);
    lu.statistiques = litEnregistrement(lecteur, "statistics", false);
    // A tampered statistics record is not an error of the event: loading it resets the counts.
    static_cast<void>(Statistiques().charge(lu.statistiques));
    lu.estConcours = lecteur.getInt() != 0;
    // A competition has eight deals, and every one of them starts again from the generator's
    // state at the start of the game.
    lu.compteurDonnes = lu.estConcours ? litDansIntervalle(lecteur, "deal count", 0, NB_DONNES_CONCOURS - 1)
                                       : litDansIntervalle(lecteur, "deal count", -1, COMPTEUR_DONNES_MAX);
    lu.distributionInversee = lecteur.getInt() != 0;
    lu.etatRandomInitial = litEnregistrement(lecteur, "initial random generator state", !lu.estConcours);
    if (!lu.etatRandomInitial.empty()) KnuthRandom(true).load(lu.etatRandomInitial);
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
