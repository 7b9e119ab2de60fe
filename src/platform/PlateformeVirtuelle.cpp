#include "support/PlateformeFactice.h"

#include <algorithm>

class PlateformeFactice::MinuterieFactice : public Minuterie {
public:
    MinuterieFactice(PlateformeFactice& plateforme, std::function<void()> action)
        : plateforme_(plateforme), action_(std::move(action)) {
        plateforme_.minuteries_.push_back(this);
    }
    ~MinuterieFactice() override {
        auto& liste = plateforme_.minuteries_;
        liste.erase(std::remove(liste.begin(), liste.end(), this), liste.end());
    }
    void demarre(int intervalleMs, bool periodique) override {
        intervalle_ = std::chrono::milliseconds(std::max(intervalleMs, 0));
        periodique_ = periodique;
        echeance_ = plateforme_.horloge_ + intervalle_;
        active_ = true;
    }
    void arrete() override { active_ = false; }
    bool estActive() const override { return active_; }

    std::chrono::milliseconds echeance() const { return echeance_; }
    void declenche() {
        if (periodique_)
            echeance_ += std::max(intervalle_, std::chrono::milliseconds(1));
        else
            active_ = false;
        action_();
    }

private:
    PlateformeFactice& plateforme_;
    std::function<void()> action_;
    std::chrono::milliseconds intervalle_{0};
    std::chrono::milliseconds echeance_{0};
    bool periodique_ = false;
    bool active_ = false;
};

PlateformeFactice::PlateformeFactice() {
    heureLocale_.tm_year = 2026 - 1900;
    heureLocale_.tm_mon = 11;
    heureLocale_.tm_mday = 10;
    heureLocale_.tm_hour = 12;
    Plateforme::installe(this);
}

PlateformeFactice::~PlateformeFactice() { Plateforme::installe(nullptr); }

std::unique_ptr<Minuterie> PlateformeFactice::creeMinuterie(std::function<void()> action) {
    return std::make_unique<MinuterieFactice>(*this, std::move(action));
}

int PlateformeFactice::minuteriesActives() const {
    return static_cast<int>(std::count_if(minuteries_.begin(), minuteries_.end(),
                                          [](const MinuterieFactice* m) { return m->estActive(); }));
}

void PlateformeFactice::avance(int millisecondes) {
    const auto fin = horloge_ + std::chrono::milliseconds(millisecondes);
    for (;;) {
        MinuterieFactice* prochaine = nullptr;
        for (MinuterieFactice* m : minuteries_)
            if (m->estActive() && m->echeance() <= fin && (!prochaine || m->echeance() < prochaine->echeance()))
                prochaine = m;
        if (!prochaine) break;
        horloge_ = std::max(horloge_, prochaine->echeance());
        prochaine->declenche();
    }
    horloge_ = fin;
}

void PlateformeFactice::avanceJusquAuRepos(int limiteMs) {
    const auto limite = horloge_ + std::chrono::milliseconds(limiteMs);
    while (minuteriesActives() > 0 && horloge_ < limite) {
        auto prochaine = limite;
        for (MinuterieFactice* m : minuteries_)
            if (m->estActive()) prochaine = std::min(prochaine, m->echeance());
        avance(static_cast<int>(std::max<std::int64_t>((prochaine - horloge_).count(), 0)));
    }
}

bool PlateformeFactice::reponds(const Boite& boite) {
    boites.push_back(boite);
    if (pendantLaBoite) pendantLaBoite(boite);
    if (reponses.empty()) return true;
    const bool reponse = reponses.front();
    reponses.pop_front();
    return reponse;
}

void PlateformeFactice::information(const std::string& texte, const std::string& titre) {
    boites.push_back({"information", texte, titre});
    if (pendantLaBoite) pendantLaBoite(boites.back());
}

bool PlateformeFactice::question(const std::string& texte, const std::string& titre) {
    return reponds({"question", texte, titre});
}

bool PlateformeFactice::avertissement(const std::string& texte, const std::string& titre) {
    return reponds({"avertissement", texte, titre});
}

void PlateformeFactice::erreur(const std::string& texte) {
    boites.push_back({"erreur", texte, ""});
    if (pendantLaBoite) pendantLaBoite(boites.back());
}
