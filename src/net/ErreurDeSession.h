#pragma once

#include <string>

// The failures of a session game, each shown in the session error box by its text's number.
namespace erreurDeSession {

enum Texte : int {
    TITRE = 3700,
    AVEC_CODE = 3701,
    INITIALISATION = 3702,
    HEBERGEMENT = 3703,
    RECHERCHE = 3704,
    CONNEXION = 3705,
    SESSION_TERMINEE = 3706,
    JOUEUR_RENVOYE = 3707,
    ENVOI = 3708,
    LANCEMENT_REJOINT = 3709,
    LANCEMENT_HEBERGE = 3710,
    LANCEMENT_ILLISIBLE = 3711,
};

// The box's text: the failure's text, followed by the system's code in hexadecimal when there is
// one (0: none).
std::string texte(Texte quoi, unsigned code);
// Shows the failure in the session error box.
void signale(Texte quoi, unsigned code = 0);

}  // namespace erreurDeSession
