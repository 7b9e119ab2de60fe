#include "ai/FabriquesParSimulation.h"

#include "ai/JoueurOrdinateur.h"
#include "ai/JoueurOrdinateurPlies.h"
#include "players/FabriqueDeJoueurs.h"

void enregistreJoueursParSimulation() {
    enregistreFabrique(OptionsDuJoueur::Ordinateur, creeJoueurOrdinateur);
    enregistreFabrique(OptionsDuJoueur::OrdinateurParfait, creeJoueurOrdinateurParfait);
    enregistreFabrique(OptionsDuJoueur::OrdinateurPlies, creeJoueurOrdinateurPlies);
    enregistreFabrique(OptionsDuJoueur::OrdinateurParfaitPlies, creeJoueurOrdinateurParfaitPlies);
}
