#include "ui/CoachDeLaDonne.h"

#include <chrono>

#include "ai/Maitre_Conseil.h"
#include "ai/Maitre_PositionOuverte.h"
#include "ai/Maitre_Solveur.h"
#include "ui/TravailDeFond.h"

namespace {

constexpr int POINTS_DONNE = 157;
constexpr int POINTS_TOUS_LES_PLIS = 257;

template <class Resultat>
CoachDeLaDonne::Etat etatDans(const std::map<int, std::pair<CoachDeLaDonne::Etat, std::optional<Resultat>>>& suivi,
                              int numero) {
    const auto it = suivi.find(numero);
    return it == suivi.end() ? CoachDeLaDonne::Etat::Inconnu : it->second.first;
}

template <class Resultat>
std::optional<Resultat> resultatDans(const std::map<int, std::pair<CoachDeLaDonne::Etat, std::optional<Resultat>>>& suivi,
                                     int numero) {
    const auto it = suivi.find(numero);
    return it == suivi.end() ? std::nullopt : it->second.second;
}

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

CoachDeLaDonne::CoachDeLaDonne(QObject* parent, std::uint64_t noeudsMax, std::uint64_t noeudsParCarte)
    : QObject(parent),
      noeudsMax_(noeudsMax),
      noeudsParCarte_(noeudsParCarte),
      abandon_(std::make_shared<std::atomic<bool>>(false)) {}

CoachDeLaDonne::~CoachDeLaDonne() { abandon_->store(true); }

template <class Resultat>
void CoachDeLaDonne::lance(int numero, Suivi<Resultat>& suivi,
                           std::function<std::optional<Resultat>(const std::atomic<bool>&)> travail) {
    suivi[numero] = {Etat::EnCours, std::nullopt};
    lanceTravailDeFond<std::optional<Resultat>>(abandon_, std::move(travail),
                                                [this, numero, &suivi](std::optional<Resultat> resultat) {
                                                    suivi[numero] = {resultat ? Etat::Connu : Etat::Abandonne, resultat};
                                                    emit evaluee(numero);
                                                });
}

void CoachDeLaDonne::evalue(int numero, const HistoriqueDesDonnes::Donne& donne, int equipe,
                            const TypeDePartie& typeDePartie, bool departAtoutPlusHaut) {
    if (etat(numero) == Etat::Inconnu) {
        const std::uint64_t noeudsMax = noeudsMax_;
        lance<Points>(numero, resultats_, [donne, noeudsMax](const std::atomic<bool>& abandon) {
            const auto debut = std::chrono::steady_clock::now();
            return pointsParfaits(donne, noeudsMax, [&] {
                return abandon.load() || std::chrono::steady_clock::now() - debut > std::chrono::milliseconds(DUREE_MAX_MS);
            });
        });
    }
    if (etatCritique(numero) == Etat::Inconnu) {
        const std::uint64_t noeudsParCarte = noeudsParCarte_;
        lance<Maitre_Critique::Bilan>(
            numero, critiques_,
            [donne, equipe, typeDePartie, departAtoutPlusHaut, noeudsParCarte](const std::atomic<bool>& abandon) {
                Maitre_Conseil maitre(departAtoutPlusHaut);
                const auto conseil = [&](const Partie& partie, CarteSet main, const Maitre_CeQuiAEteVu& vu) {
                    return maitre.carte(partie, main, vu, abandon);
                };
                return Maitre_Critique::critique(donne, equipe, typeDePartie, conseil, abandon, noeudsParCarte);
            });
    }
}

CoachDeLaDonne::Etat CoachDeLaDonne::etat(int numero) const { return etatDans(resultats_, numero); }

std::optional<CoachDeLaDonne::Points> CoachDeLaDonne::resultat(int numero) const {
    return resultatDans(resultats_, numero);
}

CoachDeLaDonne::Etat CoachDeLaDonne::etatCritique(int numero) const { return etatDans(critiques_, numero); }

std::optional<Maitre_Critique::Bilan> CoachDeLaDonne::critique(int numero) const {
    return resultatDans(critiques_, numero);
}

void CoachDeLaDonne::oublie() {
    if (resultats_.empty() && critiques_.empty()) return;
    abandon_->store(true);
    abandon_ = std::make_shared<std::atomic<bool>>(false);
    resultats_.clear();
    critiques_.clear();
}
