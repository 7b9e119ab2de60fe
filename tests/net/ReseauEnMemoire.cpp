#include "net/ReseauEnMemoire.h"

#include <algorithm>

#include "platform/Exception.h"

ReseauEnMemoire::~ReseauEnMemoire() { *vivant_ = false; }

std::unique_ptr<LienSortant> ReseauEnMemoire::nouveauLien() { return std::make_unique<LienEnMemoire>(*this); }

std::unique_ptr<Ecoute> ReseauEnMemoire::nouvelleEcoute() { return std::make_unique<EcouteEnMemoire>(*this); }

void ReseauEnMemoire::coupe() {
    for (LienEnMemoire* lien : liens_) {
        if (!lien->ouvert_) continue;
        lien->pair_ = nullptr;
        lien->signaleFermeture();
    }
}

std::int64_t ReseauEnMemoire::maintenant() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Plateforme::courante().maintenant().time_since_epoch())
        .count();
}

void ReseauEnMemoire::planifie(std::function<void()> action, int delaiMs) {
    const Livraison livraison{maintenant() + delaiMs, ordre_++, std::move(action)};
    const auto place = std::upper_bound(enRoute_.begin(), enRoute_.end(), livraison, [](const auto& a, const auto& b) {
        return a.echeance < b.echeance || (a.echeance == b.echeance && a.ordre < b.ordre);
    });
    enRoute_.insert(place, livraison);
    if (!minuterie_) minuterie_ = Plateforme::courante().creeMinuterie([this] { livreLesEcheances(); });
    minuterie_->demarre(static_cast<int>(std::max<std::int64_t>(enRoute_.front().echeance - maintenant(), 0)), false);
}

void ReseauEnMemoire::livreLesEcheances() {
    auto vivant = vivant_;
    while (!enRoute_.empty() && enRoute_.front().echeance <= maintenant()) {
        const auto action = std::move(enRoute_.front().action);
        enRoute_.pop_front();
        ++livraisons;
        action();
        if (!*vivant) return;
    }
    if (!enRoute_.empty())
        minuterie_->demarre(static_cast<int>(std::max<std::int64_t>(enRoute_.front().echeance - maintenant(), 0)), false);
}

void ReseauEnMemoire::transporte(LienEnMemoire& destination, const std::string& octets) {
    if (espion) espion(octets);
    std::uniform_real_distribution<double> tirage(0.0, 1.0);
    if (tirage(aleatoire_) < defauts.perte) return;
    const int copies = tirage(aleatoire_) < defauts.duplication ? 2 : 1;
    for (int copie = 0; copie < copies; ++copie) {
        if (!destination.retenu_ && tirage(aleatoire_) < defauts.desordre) {
            destination.retenu_ = octets;
            continue;
        }
        const int nbMorceaux =
            std::min<int>(std::uniform_int_distribution<int>(1, std::max(defauts.morceaux, 1))(aleatoire_),
                          static_cast<int>(octets.size()));
        std::size_t debut = 0;
        for (int morceau = 0; morceau < nbMorceaux; ++morceau) {
            const std::size_t fin = morceau + 1 == nbMorceaux ? octets.size() : debut + octets.size() / nbMorceaux;
            expedie(destination, octets.substr(debut, fin - debut), defauts.delaiMs);
            debut = fin;
        }
        if (destination.retenu_ && *destination.retenu_ != octets) {
            expedie(destination, *destination.retenu_, defauts.delaiMs);
            destination.retenu_.reset();
        }
    }
}

void ReseauEnMemoire::expedie(LienEnMemoire& destination, const std::string& octets, int delaiMs) {
    LienEnMemoire* cible = &destination;
    planifie(
        [cible, vivant = cible->vivant_, octets] {
            if (*vivant && cible->ouvert_ && cible->observateur()) cible->observateur()->recoit(*cible, octets);
        },
        delaiMs);
}

ReseauEnMemoire::LienEnMemoire::LienEnMemoire(ReseauEnMemoire& reseau) : reseau_(reseau) {
    reseau_.liens_.push_back(this);
}

ReseauEnMemoire::LienEnMemoire::~LienEnMemoire() {
    ferme();
    *vivant_ = false;
    reseau_.liens_.erase(std::find(reseau_.liens_.begin(), reseau_.liens_.end(), this));
}

void ReseauEnMemoire::LienEnMemoire::envoie(const std::string& octets) {
    if (ouvert_ && pair_) reseau_.transporte(*pair_, octets);
}

void ReseauEnMemoire::LienEnMemoire::ferme() {
    if (!ouvert_) return;
    ouvert_ = false;
    LienEnMemoire* pair = pair_;
    pair_ = nullptr;
    if (!pair) return;
    pair->pair_ = nullptr;
    pair->signaleFermeture();
}

void ReseauEnMemoire::LienEnMemoire::signaleFermeture() {
    reseau_.planifie(
        [this, vivant = vivant_] {
            if (!*vivant || !ouvert_) return;
            ouvert_ = false;
            if (observateur()) observateur()->lienFerme(*this);
        },
        reseau_.defauts.delaiMs);
}

void ReseauEnMemoire::LienEnMemoire::connecte(const std::string&, std::uint16_t port) {
    const auto ecoute = reseau_.ecoutes_.find(port);
    if (ecoute == reseau_.ecoutes_.end()) {
        reseau_.planifie(
            [this, vivant = vivant_] {
                if (*vivant && observateur_) observateur_->erreurDeLien(*this, "Connection refused");
            },
            1);
        return;
    }
    auto accepte = std::make_unique<LienEnMemoire>(reseau_);
    accepte->pair_ = this;
    accepte->ouvert_ = true;
    pair_ = accepte.get();
    ouvert_ = true;
    EcouteEnMemoire* cote = ecoute->second;
    auto* lienAccepte = accepte.release();
    reseau_.planifie(
        [this, vivant = vivant_, cote, lienAccepte] {
            std::unique_ptr<Lien> lien(lienAccepte);
            if (cote->estOuverte() && cote->observateur()) cote->observateur()->nouveauLien(std::move(lien));
            if (*vivant && ouvert_ && observateur_) observateur_->lienEtabli(*this);
        },
        reseau_.defauts.delaiMs);
}

void ReseauEnMemoire::EcouteEnMemoire::ouvre(std::uint16_t port) {
    if (port != 0 && reseau_.ecoutes_.count(port)) throw Exception("Address already in use");
    port_ = port != 0 ? port : reseau_.prochainPort_++;
    reseau_.ecoutes_[port_] = this;
}

void ReseauEnMemoire::EcouteEnMemoire::ferme() {
    if (port_ == 0) return;
    reseau_.ecoutes_.erase(port_);
    port_ = 0;
}
