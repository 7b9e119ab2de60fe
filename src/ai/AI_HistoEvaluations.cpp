#include "ai/AI_HistoEvaluations.h"

#include "platform/Assertion.h"

namespace {
constexpr const char* SOURCE = "AI_HistoEvaluations";
}

AI_HistoEvaluations::AI_HistoEvaluations(AnalyseJoueur& analyse, std::int32_t pointsMaxi)
    : pointsMaxi_(pointsMaxi), analyse_(analyse) {}

void AI_HistoEvaluations::ajoute(const Carte& carte, double points) {
    const unsigned tag = carte.getTag();
    cartes_.insert(carte);
    if (nbDeFois_[tag] == 0) series_[tag] = &analyse_.ajouteProjection(carte.getNom(), pointsMaxi_);
    ++nbDeFois_[tag];
    sommes_[tag] += points;
    points_.ajoute(carte, points);
    if (points_.size(carte) > nbDeFois_[tag])
        assertion::echoue("(int)points_.size(carte) <= nbDeFois_[carte->tag()]", SOURCE, __LINE__);
}

const Carte* AI_HistoEvaluations::meilleureCarte() const {
    double meilleureMoyenne = 0;
    int carteQuiALaMeilleureMoyenne = -1;
    for (unsigned tag = 0; tag < Carte::NB_CARTES; ++tag) {
        if (nbDeFois_[tag] == 0) continue;
        const double moyenne = sommes_[tag] / nbDeFois_[tag];
        if (moyenne >= meilleureMoyenne) {
            meilleureMoyenne = moyenne;
            carteQuiALaMeilleureMoyenne = static_cast<int>(tag);
        }
    }
    TW_ASSERT(carteQuiALaMeilleureMoyenne != -1, SOURCE);
    if (carteQuiALaMeilleureMoyenne == -1) return nullptr;
    return cartes_.parTag(static_cast<unsigned>(carteQuiALaMeilleureMoyenne));
}
