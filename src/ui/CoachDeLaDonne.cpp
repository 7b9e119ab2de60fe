#include "ui/CoachDeLaDonne.h"

#include <QCoreApplication>
#include <QThreadPool>
#include <chrono>

#include "ai/Maitre_PositionOuverte.h"
#include "ai/Maitre_Solveur.h"

namespace {

constexpr int POINTS_DONNE = 157;
constexpr int POINTS_TOUS_LES_PLIS = 257;

}  // namespace

// The solver counts the taking of every trick as 50 more for the taker and 50 less for the other
// team; the score gives the taker 257 and the other team nothing.
std::optional<CoachDeLaDonne::Points> CoachDeLaDonne::pointsParfaits(const HistoriqueDesDonnes::Donne& donne,
                                                                     std::uint64_t noeudsMax,
                                                                     const std::function<bool()>& arret) {
    if (donne.plis.empty() || donne.multiplicateur <= 0) return std::nullopt;
    for (const CarteSet& main : donne.cartesJouees)
        if (main.size() != 9) return std::nullopt;
    Maitre_Solveur solveur;
    solveur.limiteNoeuds(noeudsMax);
    if (arret) solveur.setArret(arret);
    const int valeur =
        solveur.resout(Maitre_PositionOuverte::depart(donne.atout, donne.cartesJouees, donne.plis.front().premier));
    if (solveur.interrompu()) return std::nullopt;
    const bool tousLesPlis = valeur > POINTS_DONNE || valeur < 0;
    const int equipe0 = tousLesPlis ? valeur + Maitre_Solveur::PRIME_TOUS_LES_PLIS : valeur;
    const int total = tousLesPlis ? POINTS_TOUS_LES_PLIS : POINTS_DONNE;
    return Points{equipe0 * donne.multiplicateur, (total - equipe0) * donne.multiplicateur};
}

CoachDeLaDonne::CoachDeLaDonne(QObject* parent, std::uint64_t noeudsMax)
    : QObject(parent), noeudsMax_(noeudsMax), abandon_(std::make_shared<std::atomic<bool>>(false)) {}

CoachDeLaDonne::~CoachDeLaDonne() { abandon_->store(true); }

void CoachDeLaDonne::evalue(int numero, const HistoriqueDesDonnes::Donne& donne) {
    if (etat(numero) != Etat::Inconnu) return;
    resultats_[numero] = {Etat::EnCours, std::nullopt};
    const auto abandon = abandon_;
    const int generation = generation_;
    const std::uint64_t noeudsMax = noeudsMax_;
    QThreadPool::globalInstance()->start([this, abandon, generation, numero, donne, noeudsMax] {
        const auto debut = std::chrono::steady_clock::now();
        const auto arret = [&] {
            return abandon->load() || std::chrono::steady_clock::now() - debut > std::chrono::milliseconds(DUREE_MAX_MS);
        };
        const std::optional<Points> points = pointsParfaits(donne, noeudsMax, arret);
        // Back on the window's thread, where the coach is known to be alive unless abandoned.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [this, abandon, generation, numero, points] {
                if (!abandon->load()) livre(generation, numero, points);
            },
            Qt::QueuedConnection);
    });
}

void CoachDeLaDonne::livre(int generation, int numero, std::optional<Points> points) {
    if (generation != generation_) return;
    resultats_[numero] = {points ? Etat::Connu : Etat::Abandonne, points};
    emit evaluee(numero);
}

CoachDeLaDonne::Etat CoachDeLaDonne::etat(int numero) const {
    const auto it = resultats_.find(numero);
    return it == resultats_.end() ? Etat::Inconnu : it->second.first;
}

std::optional<CoachDeLaDonne::Points> CoachDeLaDonne::resultat(int numero) const {
    const auto it = resultats_.find(numero);
    return it == resultats_.end() ? std::nullopt : it->second.second;
}

void CoachDeLaDonne::oublie() {
    ++generation_;
    resultats_.clear();
}
