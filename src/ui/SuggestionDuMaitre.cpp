#include "ui/SuggestionDuMaitre.h"

#include "ai/Maitre_Conseil.h"
#include "ui/TravailDeFond.h"

SuggestionDuMaitre::SuggestionDuMaitre(QObject* parent)
    : QObject(parent), abandon_(std::make_shared<std::atomic<bool>>(false)) {}

SuggestionDuMaitre::~SuggestionDuMaitre() { abandon_->store(true); }

void SuggestionDuMaitre::setActive(bool active) {
    active_ = active;
    if (!active) oublie();
}

void SuggestionDuMaitre::abandonne() {
    abandon_->store(true);
    abandon_ = std::make_shared<std::atomic<bool>>(false);
}

void SuggestionDuMaitre::oublie() {
    abandonne();
    const bool change = etat_ != Etat::Aucune;
    etat_ = Etat::Aucune;
    situation_.reset();
    carte_ = nullptr;
    if (change) emit changement();
}

void SuggestionDuMaitre::suit(const std::optional<Situation>& situation) {
    if (!active_ || !situation) return oublie();
    if (situation_ && situation_->cle == situation->cle) return;
    abandonne();
    situation_ = situation;
    etat_ = Etat::EnCours;
    carte_ = nullptr;
    lanceTravailDeFond<const Carte*>(
        abandon_,
        [situation = *situation](const std::atomic<bool>& abandon) {
            Maitre_Conseil maitre(situation.departAtoutPlusHaut);
            return maitre.carte(situation.partie, situation.main, situation.vu, abandon);
        },
        [this](const Carte* carte) {
            if (!carte) return;
            etat_ = Etat::Connue;
            carte_ = carte;
            emit changement();
        });
    emit changement();
}
