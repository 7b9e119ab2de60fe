#pragma once

#include <string>

#include "rules/Carte.h"
#include "rules/StatusAtout.h"
#include "rules/StatusCarteJouee.h"

// What a player panel needs from the player it belongs to: the table's verdict on a card, and
// the user's answers, which the player turns into game events numbered with its pending request.
class ReponsesDuPanel {
public:
    virtual ~ReponsesDuPanel() = default;
    virtual StatusCarteJouee carteJouable(const Carte& carte) = 0;      // verdict asked of the table
    virtual void carteChoisie(const Carte& carte, int idDemande) = 0;   // the user played this card
    virtual void atoutChoisi(StatusAtout status) = 0;                   // trump button or chibre clicked
    virtual void distributionDemandee() = 0;
    virtual void tasConfirme() = 0;
    virtual void annoncesVues() = 0;
    virtual void envoieMessage(const std::string& texte) = 0;
};
