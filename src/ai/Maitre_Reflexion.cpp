#include "ai/Maitre_Reflexion.h"

#include <algorithm>
#include <optional>

#include "ai/AI_ChoixCarte.h"
#include "ai/AI_ProbaSimplifiee.h"
#include "ai/AnalyseJoueur.h"
#include "ai/Maitre_ArretDeSecurite.h"
#include "ai/Maitre_Solveur.h"
#include "rules/KnuthRandom.h"
#include "rules/OptionsDePartie.h"

namespace {

// The evaluation-based engine judges the sampled deals at its highest level.
constexpr int NIVEAU_DES_VOTES = OptionsDePartie::NIVEAU_EXPERT;

}  // namespace

Maitre_Reflexion::Maitre_Reflexion(const Partie& partie, int moi, CarteSet main, const Maitre_CeQuiAEteVu& vu,
                                   bool departAtoutPlusHaut)
    : partie_(partie),
      moi_(moi),
      jouables_(partie.cartesJouables(main)),
      joueurDoitChoisirAtout_(vu.joueurDoitChoisirAtout),
      croyances_(partie, moi, main, vu),
      departAtoutPlusHaut_(departAtoutPlusHaut) {}

Maitre_Reflexion::Resultat Maitre_Reflexion::reflechit(KnuthRandom& aleatoire, Maitre_Solveur& solveur,
                                                       const std::atomic<bool>& abandon, Horloge horloge) const {
    Resultat resultat;
    resultat.choix = static_cast<int>(jouables_.begin()->getTag());
    if (jouables_.size() == 1) return resultat;
    const auto debut = horloge();
    if (partie_.nbCartesJouees() < 4 * PLIS_AVANT_LA_RECHERCHE_EXACTE) {
        parVote(aleatoire, abandon, horloge, debut, resultat);
        return resultat;
    }
    const Maitre_ArretDeSecurite arret(solveur, TRAVAIL_PAR_DECISION, abandon, horloge, debut,
                                       std::chrono::milliseconds(ARRET_DE_SECURITE_MS));
    parRechercheExacte(aleatoire, solveur, abandon, resultat);
    resultat.arretDeSecurite = arret.horsDelai();
    return resultat;
}

void Maitre_Reflexion::parRechercheExacte(KnuthRandom& aleatoire, Maitre_Solveur& solveur, const std::atomic<bool>& abandon,
                                          Resultat& resultat) const {
    const Maitre_Croyances::Tirage tirage = croyances_.tire(aleatoire, ECHANTILLONS_MAX);
    // A deal drawn again is not solved again.
    std::vector<std::optional<Maitre_Solveur::ValeursDesCartes>> resolues(tirage.donnes.size());
    while (resultat.echantillons < ECHANTILLONS_MAX && !solveur.interrompu() && !abandon.load(std::memory_order_relaxed)) {
        const auto indice = static_cast<std::size_t>(tirage.suite[static_cast<std::size_t>(resultat.echantillons)]);
        const std::array<CarteSet, 4>& mains = tirage.donnes[indice];
        if (!resolues[indice]) {
            resolues[indice] = solveur.valeursDesCartes(Maitre_PositionOuverte::depuis(partie_, mains));
            if (solveur.interrompu()) break;
        }
        const Maitre_Solveur::ValeursDesCartes& valeurs = *resolues[indice];
        for (unsigned k = 0; k < valeurs.nombre; ++k) {
            const auto [tag, valeur] = valeurs.cartes[k];
            resultat.somme[tag] += valeur;
            resultat.carres[tag] += double(valeur) * valeur;
            resultat.valeurs[tag].push_back(valeur);
        }
        compteTenues(mains, resultat);
        ++resultat.echantillons;
    }
    compteDonnes(tirage, resultat);
    resultat.travail = solveur.noeuds();
    if (resultat.echantillons == 0) return;
    double meilleureSomme = -1e18;
    for (const Carte& carte : jouables_) {
        const unsigned tag = carte.getTag();
        if (resultat.somme[tag] > meilleureSomme) {
            meilleureSomme = resultat.somme[tag];
            resultat.choix = static_cast<int>(tag);
        }
    }
}

void Maitre_Reflexion::parVote(KnuthRandom& aleatoire, const std::atomic<bool>& abandon, Horloge horloge,
                               std::chrono::steady_clock::time_point debut, Resultat& resultat) const {
    resultat.parVote = true;
    // The engine writes its own reasoning: into a scratch analysis, not the one shown.
    AnalyseJoueur brouillon;
    const AI_ChoixCarte moteur(moi_, NIVEAU_DES_VOTES, departAtoutPlusHaut_);
    // A vote cannot be stopped once begun: the safety stop allows for the longest one so far.
    std::chrono::steady_clock::duration plusLongVote{};
    const Maitre_Croyances::Tirage tirage =
        croyances_.tire(aleatoire, static_cast<int>(std::min<std::uint64_t>(VOTES_MAX, TRAVAIL_PAR_DECISION / TRAVAIL_D_UN_VOTE)));
    while (resultat.echantillons < static_cast<int>(tirage.suite.size())) {
        if (abandon.load(std::memory_order_relaxed)) return;
        const auto avantLeVote = horloge();
        if (avantLeVote - debut + plusLongVote > std::chrono::milliseconds(ARRET_DE_SECURITE_MS)) {
            resultat.arretDeSecurite = true;
            break;
        }
        const std::array<CarteSet, 4>& mains = tirage.donnes[static_cast<std::size_t>(tirage.suite[static_cast<std::size_t>(resultat.echantillons)])];
        AI_ProbaSimplifiee probas(brouillon, NIVEAU_DES_VOTES);
        for (int siege = 0; siege < 4; ++siege) probas.ajouteMain(mains[siege], siege);
        probas.metAJour(partie_);
        const Carte* carte = moteur.choisit(partie_, joueurDoitChoisirAtout_, mains[moi_], probas, aleatoire, brouillon);
        if (carte) ++resultat.votes[carte->getTag()];
        plusLongVote = std::max(plusLongVote, horloge() - avantLeVote);
        compteTenues(mains, resultat);
        ++resultat.echantillons;
        resultat.travail += TRAVAIL_D_UN_VOTE;
    }
    compteDonnes(tirage, resultat);
    for (const Carte& carte : jouables_)
        if (resultat.votes[carte.getTag()] > resultat.votes[static_cast<unsigned>(resultat.choix)])
            resultat.choix = static_cast<int>(carte.getTag());
}

void Maitre_Reflexion::compteTenues(const std::array<CarteSet, 4>& mains, Resultat& resultat) const {
    for (int siege = 0; siege < 4; ++siege)
        for (const Carte& carte : mains[siege]) ++resultat.tenues[siege][carte.getTag()];
}

void Maitre_Reflexion::compteDonnes(const Maitre_Croyances::Tirage& tirage, Resultat& resultat) {
    resultat.donnesImaginees = static_cast<int>(tirage.donnes.size());
    std::vector<bool> utilisee(tirage.donnes.size());
    for (int k = 0; k < resultat.echantillons; ++k) utilisee[static_cast<std::size_t>(tirage.suite[static_cast<std::size_t>(k)])] = true;
    resultat.donnesDistinctes = static_cast<int>(std::count(utilisee.begin(), utilisee.end(), true));
}
