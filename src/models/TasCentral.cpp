#include "models/TasCentral.h"
#include "rules/Siege.h"

void TasCentral::poseCarte(int noJoueur, const Carte& carte) {
    cartes_[siege::verifie(noJoueur)] = &carte;
    signaleChangement();
}

void TasCentral::vide() {
    for (auto& carte : cartes_) carte = nullptr;
    signaleChangement();
}

int TasCentral::nbCartes() const {
    int n = 0;
    for (const Carte* carte : cartes_) n += carte != nullptr;
    return n;
}

void TasCentral::setLabelAtout(const std::string& texte) {
    labelAtout_ = texte;
    signaleChangement();
}

void TasCentral::lache() const {
    if (surLacher) surLacher();
}

void TasCentral::survole(const Carte* carteSousLaSouris) const {
    if (surSurvol) surSurvol(carteSousLaSouris);
}

void TasCentral::signaleChangement() const {
    if (changement) changement();
}
