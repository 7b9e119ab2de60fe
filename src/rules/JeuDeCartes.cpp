#include "rules/JeuDeCartes.h"

#include "platform/Assertion.h"
#include "rules/KnuthRandom.h"

JeuDeCartes::JeuDeCartes() {
    for (int couleur = Carte::Trefle; couleur <= Carte::Coeur; ++couleur)
        for (int position = Carte::Six; position <= Carte::As; ++position)
            jeu_.insert(Carte::trouve(static_cast<Carte::Couleur>(couleur), static_cast<Carte::Position>(position)));
    TW_ASSERT(jeu_.size() == 36, "JeuDeCartes");
}

CarteSet JeuDeCartes::tireCartes(CarteSet& jeu, KnuthRandom& generateur) const {
    return tireCartes(jeu, [&generateur](int n) { return generateur.tire(n); });
}

CarteSet JeuDeCartes::tireCartes(CarteSet& jeu, const Tirage& tirage) const {
    const unsigned nbCartes = jeu_.size() / nbJoueurs();
    CarteSet main;
    // The two checks report the conditions in the words the deck has always used for them.
    if (jeu.size() < nbCartes) {
        assertion::echoue("(int)jeu.size() >= (jeu_->size()/nbJoueurs())", "JeuDeCartes", __LINE__);
        return main;
    }
    for (unsigned i = 0; i < nbCartes; ++i) {
        const Carte* carte = jeu.kieme(static_cast<unsigned>(tirage(static_cast<int>(jeu.size()))));
        if (carte == nullptr) {
            assertion::echoue("i != jeu.end()", "JeuDeCartes", __LINE__);
            break;
        }
        main.insert(*carte);
        jeu.erase(*carte);
    }
    return main;
}
