#include "net/EcoutesReunies.h"

#include <algorithm>

EcoutesReunies::EcoutesReunies(std::vector<std::unique_ptr<Ecoute>> ecoutes) : ecoutes_(std::move(ecoutes)) {
    for (const auto& ecoute : ecoutes_) ecoute->setObservateur(this);
}

void EcoutesReunies::ouvre(std::uint16_t port) {
    try {
        for (const auto& ecoute : ecoutes_) ecoute->ouvre(port);
    } catch (...) {
        ferme();
        throw;
    }
}

void EcoutesReunies::ferme() {
    for (const auto& ecoute : ecoutes_) ecoute->ferme();
}

bool EcoutesReunies::estOuverte() const {
    return std::all_of(ecoutes_.begin(), ecoutes_.end(), [](const auto& ecoute) { return ecoute->estOuverte(); });
}

std::uint16_t EcoutesReunies::port() const { return ecoutes_.empty() ? 0 : ecoutes_.front()->port(); }

void EcoutesReunies::nouveauLien(std::unique_ptr<Lien> lien) {
    if (observateur_) observateur_->nouveauLien(std::move(lien));
}
