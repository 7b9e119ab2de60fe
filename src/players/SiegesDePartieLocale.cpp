#include "players/SiegesDePartieLocale.h"

#include "platform/TableDesTextes.h"

namespace {

// Texts of the string table used here.
enum IdTexte {
    ID_ALPHONSE = 2816,
    ID_GERTRUDE = 2817,
    ID_PARTENAIRE = 3584,
};

}  // namespace

std::array<OptionsDuJoueur, 4> siegesDePartieLocale(const OptionsDuJoueur& utilisateur, const OptionsDePartie& options,
                                                     unsigned tirage) {
    const auto appels = static_cast<std::uint8_t>(tirage % (OptionsDuJoueur::APPELS_MAX + 1));
    const OptionsDuJoueur alphonse(texte(ID_ALPHONSE), true, appels, false, OptionsDuJoueur::AI, options.getNiveau());
    const OptionsDuJoueur partenaire(texte(ID_PARTENAIRE), utilisateur.getDepartAtoutPlusHaut(),
                                     utilisateur.getAppels(), false, OptionsDuJoueur::AI,
                                     OptionsDePartie::NIVEAU_EXPERT);
    const OptionsDuJoueur gertrude(texte(ID_GERTRUDE), alphonse.getDepartAtoutPlusHaut(), alphonse.getAppels(), false,
                                   OptionsDuJoueur::AI, options.getNiveau());
    return {utilisateur, alphonse, partenaire, gertrude};
}
