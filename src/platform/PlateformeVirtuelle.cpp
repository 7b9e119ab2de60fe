#include "platform/PlateformeVirtuelle.h"

#include <algorithm>

class PlateformeVirtuelle::MinuterieVirtuelle : public Minuterie {
public:
    MinuterieVirtuelle(PlateformeVirtuelle& plateforme, std::function<void()> action)
        : plateforme_(plateforme), action_(std::move(action)) {
        plateforme_.minuteries_.push_back(this);
    }
    ~MinuterieVirtuelle() override {
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
    PlateformeVirtuelle& plateforme_;
    std::function<void()> action_;
    std::chrono::milliseconds intervalle_{0};
    std::chrono::milliseconds echeance_{0};
    bool periodique_ = false;
    bool active_ = false;
};

PlateformeVirtuelle::PlateformeVirtuelle() {
    heureLocale_.tm_year = 2026 - 1900;
    heureLocale_.tm_mon = 11;
    heureLocale_.tm_mday = 10;
    heureLocale_.tm_hour = 12;
    Plateforme::installe(this);
}

PlateformeVirtuelle::~PlateformeVirtuelle() { Plateforme::installe(nullptr); }

std::unique_ptr<Minuterie> PlateformeVirtuelle::creeMinuterie(std::function<void()> action) {
    return std::make_unique<MinuterieVirtuelle>(*this, std::move(action));
}

int PlateformeVirtuelle::minuteriesActives() const {
    return static_cast<int>(std::count_if(minuteries_.begin(), minuteries_.end(),
                                          [](const MinuterieVirtuelle* m) { return m->estActive(); }));
}

void PlateformeVirtuelle::avance(int millisecondes) {
    const auto fin = horloge_ + std::chrono::milliseconds(millisecondes);
    for (;;) {
        MinuterieVirtuelle* prochaine = nullptr;
        for (MinuterieVirtuelle* m : minuteries_)
            if (m->estActive() && m->echeance() <= fin && (!prochaine || m->echeance() < prochaine->echeance()))
                prochaine = m;
        if (!prochaine) break;
        horloge_ = std::max(horloge_, prochaine->echeance());
        prochaine->declenche();
    }
    horloge_ = fin;
}

void PlateformeVirtuelle::avanceJusquAuRepos(int limiteMs) {
    const auto limite = horloge_ + std::chrono::milliseconds(limiteMs);
    while (minuteriesActives() > 0 && horloge_ < limite) {
        auto prochaine = limite;
        for (MinuterieVirtuelle* m : minuteries_)
            if (m->estActive()) prochaine = std::min(prochaine, m->echeance());
        avance(static_cast<int>(std::max<std::int64_t>((prochaine - horloge_).count(), 0)));
    }
}

bool PlateformeVirtuelle::reponds(const Boite& boite) {
    boites.push_back(boite);
    if (pendantLaBoite) pendantLaBoite(boite);
    if (reponses.empty()) return true;
    const bool reponse = reponses.front();
    reponses.pop_front();
    return reponse;
}

void PlateformeVirtuelle::information(const std::string& texte, const std::string& titre) {
    boites.push_back({"information", texte, titre});
    if (pendantLaBoite) pendantLaBoite(boites.back());
}

bool PlateformeVirtuelle::question(const std::string& texte, const std::string& titre) {
    return reponds({"question", texte, titre});
}

bool PlateformeVirtuelle::avertissement(const std::string& texte, const std::string& titre) {
    return reponds({"avertissement", texte, titre});
}

void PlateformeVirtuelle::erreur(const std::string& texte) {
    boites.push_back({"erreur", texte, ""});
    if (pendantLaBoite) pendantLaBoite(boites.back());
}

void PlateformeVirtuelle::enArrierePlan(std::function<void()> travail, std::function<void()> fini) {
    if (!differeLesTravaux) {
        Plateforme::enArrierePlan(std::move(travail), std::move(fini));
        return;
    }
    travaux_.emplace_back(std::move(travail), std::move(fini));
}

void PlateformeVirtuelle::finitLesTravaux() {
    while (!travaux_.empty()) {
        auto [travail, fini] = std::move(travaux_.front());
        travaux_.pop_front();
        travail();
        fini();
    }
}
