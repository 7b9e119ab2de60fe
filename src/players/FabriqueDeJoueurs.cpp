#include "players/FabriqueDeJoueurs.h"

#include <array>

#include "platform/Exception.h"
#include "platform/TableDesTextes.h"
#include "players/JoueurHumain.h"
#include "players/JoueurResau.h"

namespace {

// Texts of the string table used here.
enum IdTexte {
    ID_JOUEUR_PAS_DISPONIBLE = 3600,
};

std::array<FabriqueJoueur, 8>& fabriques() {
    static std::array<FabriqueJoueur, 8> parRace{};
    return parRace;
}
}  // namespace

void enregistreFabrique(int race, FabriqueJoueur fabrique) {
    if (race >= 0 && race < static_cast<int>(fabriques().size())) fabriques()[race] = fabrique;
}

FabriqueJoueur fabriquePour(int race) {
    return race >= 0 && race < static_cast<int>(fabriques().size()) ? fabriques()[race] : nullptr;
}

std::unique_ptr<Joueur> creeJoueur(const ContexteJoueur& contexte) {
    const OptionsDuJoueur& options = contexte.options;
    if (options.estDistant()) return std::make_unique<JoueurResau>(contexte);
    if (options.getRace() == OptionsDuJoueur::Humain) return std::make_unique<JoueurHumain>(contexte);
    const FabriqueJoueur fabrique = fabriquePour(options.getRace());
    if (!fabrique) throw Exception(formate(ID_JOUEUR_PAS_DISPONIBLE, options.nom()));
    return fabrique(contexte);
}
