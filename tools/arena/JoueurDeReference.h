#pragma once

#include <memory>

#include "platform/Plateforme.h"
#include "players/JoueurSansMemoire.h"
#include "rules/KnuthRandom.h"

// The arena's measuring stick: plays a random playable card, chooses the trump mode whose card
// weights sum highest (never chibre) and announces every meld. It answers on the next turn of
// the event loop, as the program's players do, so that a game never nests its requests.
class JoueurDeReference : public JoueurSansMemoire {
public:
    JoueurDeReference(const ContexteJoueur& contexte, std::int32_t graine);

    void choisitAtout(StatusAtout status, CarteSet main) override;
    void annonce(CarteSet main) override;
    void choisitCarte(const Partie& partie, int premierJoueur, CarteSet main) override;
    void distribue() override;
    void finDePartie(bool gagne, bool egalite) override;
    void ramasseTas() override;
    void confirmeAnnonces() override;

private:
    void repondPlusTard(std::function<void(int)> reponse);

    KnuthRandom aleatoire_;
    const TypeDePartie& typeDePartie_;
    std::function<void(int)> reponse_;
    std::unique_ptr<Minuterie> minuterie_;
};
