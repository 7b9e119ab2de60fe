#include "ai/Maitre_Joueur.h"

#include <cmath>
#include <cstdio>

#include "ai/AI_ChoixAtout.h"
#include "ai/AI_ChoixCarte.h"
#include "ai/AI_Joueur.h"
#include "ai/AI_ProbaSimplifiee.h"
#include "ai/Maitre_Echantillonneur.h"
#include "platform/Assertion.h"
#include "platform/TableDesTextes.h"
#include "rules/OptionsDePartie.h"
#include "rules/Partie.h"

namespace {

enum IdTexte {
    ID_ECHANTILLONS = 3843,
    ID_VALEUR_CARTE = 3844,
    ID_VOTES = 3845,
};

constexpr unsigned BITS_TABLE = 19;
// The evaluation-based engine judges the sampled deals at its highest level.
constexpr int NIVEAU_DES_VOTES = OptionsDePartie::NIVEAU_EXPERT;

std::string nombre(double valeur) {
    char texte[32];
    std::snprintf(texte, sizeof texte, "%.1f", valeur);
    return texte;
}

}  // namespace

Maitre_Joueur::Maitre_Joueur(const ContexteJoueur& contexte)
    : JoueurCalculateur(contexte, "Maitre_Joueur"), solveur_(BITS_TABLE) {}

Maitre_Joueur::~Maitre_Joueur() = default;

void Maitre_Joueur::choisitAtout(StatusAtout statusAtout, CarteSet cartesEnMain) {
    const Instant debut = maintenant();
    remetAtout(AI_ChoixAtout::choisit(statusAtout, cartesEnMain, typeDePartie_), debut);
}

void Maitre_Joueur::choisitCarte(const Partie& partie, int joueurDoitChoisirAtout, CarteSet cartesEnMain) {
    const Instant debut = maintenant();
    remetCarte(meilleureCarte(partie, joueurDoitChoisirAtout, cartesEnMain), debut);
}

const Carte& Maitre_Joueur::meilleureCarte(const Partie& partie, int joueurDoitChoisirAtout, CarteSet cartesEnMain) {
    const CarteSet jouables = partie.cartesJouables(cartesEnMain);
    TW_ASSERT(!jouables.empty(), "Maitre_Joueur");
    if (jouables.size() == 1) return *jouables.begin();
    const Maitre_Echantillonneur echantillonneur(partie, noJoueur_, cartesEnMain, annoncees_);
    analyse_->videProjections();
    if (partie.nbCartesJouees() < 4 * PLIS_AVANT_LA_RECHERCHE_EXACTE)
        return parVote(partie, joueurDoitChoisirAtout, jouables, echantillonneur);
    return parRechercheExacte(partie, jouables, echantillonneur);
}

const Carte& Maitre_Joueur::parRechercheExacte(const Partie& partie, CarteSet jouables,
                                               const Maitre_Echantillonneur& echantillonneur) {
    const Instant debut = maintenant();
    const auto arretDeSecurite = [debut] {
        return maintenant() - debut > std::chrono::milliseconds(ARRET_DE_SECURITE_MS);
    };
    solveur_.remetCompteur();
    solveur_.limiteNoeuds(NOEUDS_PAR_DECISION);
    solveur_.setArret(arretDeSecurite);

    std::array<double, 36> somme{}, carres{};
    std::array<std::vector<int>, 36> valeurs;
    std::array<std::array<int, 36>, 4> tenues{};
    int echantillons = 0;
    while (echantillons < ECHANTILLONS_MAX && !solveur_.interrompu()) {
        const std::array<CarteSet, 4> mains = echantillonneur.tire(aleatoire_);
        const auto resultat = solveur_.valeursDesCartes(Maitre_PositionOuverte::depuis(partie, mains));
        if (solveur_.interrompu()) break;
        for (unsigned k = 0; k < resultat.nombre; ++k) {
            const auto [tag, valeur] = resultat.cartes[k];
            somme[tag] += valeur;
            carres[tag] += double(valeur) * valeur;
            valeurs[tag].push_back(valeur);
        }
        for (int siege = 0; siege < 4; ++siege)
            for (const Carte& carte : mains[siege]) ++tenues[siege][carte.getTag()];
        ++echantillons;
    }
    if (solveur_.interrompu() && arretDeSecurite()) ++arretsDeSecurite_;

    analyse_->ajouteLigne(formate(ID_ECHANTILLONS, echantillons, solveur_.noeuds()));
    const Carte* choix = &*jouables.begin();
    double meilleureMoyenne = -1e9;
    const int multiplicateur = partie.getMultiplicateur();
    for (const Carte& carte : jouables) {
        const unsigned tag = carte.getTag();
        if (echantillons == 0) break;
        const double moyenne = somme[tag] / echantillons;
        const double ecart = std::sqrt(std::max(0.0, carres[tag] / echantillons - moyenne * moyenne));
        analyse_->ajouteLigne(formate(ID_VALEUR_CARTE, carte.getNom(), nombre(moyenne * multiplicateur),
                                      nombre(ecart * multiplicateur)));
        AnalyseJoueur::Serie& serie = analyse_->ajouteProjection(carte.getNom(), 257 * multiplicateur);
        for (const int valeur : valeurs[tag]) serie.push_back({double(valeur * multiplicateur), 1.0, ""});
        if (moyenne > meilleureMoyenne) {
            meilleureMoyenne = moyenne;
            choix = &carte;
        }
    }
    if (echantillons > 0) montreCroyances(tenues, echantillons);
    return *choix;
}

const Carte& Maitre_Joueur::parVote(const Partie& partie, int joueurDoitChoisirAtout, CarteSet jouables,
                                    const Maitre_Echantillonneur& echantillonneur) {
    // The engine writes its own reasoning: into a scratch analysis, not the one shown.
    AnalyseJoueur brouillon;
    std::array<int, 36> votes{};
    std::array<std::array<int, 36>, 4> tenues{};
    const AI_ChoixCarte moteur(noJoueur_, NIVEAU_DES_VOTES, options_.getDepartAtoutPlusHaut());
    for (int vote = 0; vote < VOTES; ++vote) {
        const std::array<CarteSet, 4> mains = echantillonneur.tire(aleatoire_);
        AI_ProbaSimplifiee probas(brouillon, NIVEAU_DES_VOTES);
        for (int siege = 0; siege < 4; ++siege) {
            probas.ajouteMain(mains[siege], siege);
            for (const Carte& carte : mains[siege]) ++tenues[siege][carte.getTag()];
        }
        probas.metAJour(partie);
        const Carte* carte = moteur.choisit(partie, joueurDoitChoisirAtout, mains[noJoueur_], probas, aleatoire_, brouillon);
        if (carte) ++votes[carte->getTag()];
    }
    const Carte* choix = &*jouables.begin();
    for (const Carte& carte : jouables) {
        analyse_->ajouteLigne(formate(ID_VOTES, carte.getNom(), votes[carte.getTag()], VOTES));
        if (votes[carte.getTag()] > votes[choix->getTag()]) choix = &carte;
    }
    montreCroyances(tenues, VOTES);
    return *choix;
}

void Maitre_Joueur::montreCroyances(const std::array<std::array<int, 36>, 4>& tenues, int echantillons) {
    for (int couleur = Carte::Trefle; couleur <= Carte::Coeur; ++couleur) {
        AnalyseJoueur::GraphiqueCouleur& graphique = analyse_->graphique(couleur);
        for (int siege = 0; siege < 4; ++siege) {
            AnalyseJoueur::Serie& serie = graphique.series[static_cast<unsigned>(siege)];
            serie.clear();
            for (int position = Carte::Six; position <= Carte::As; ++position) {
                const unsigned tag = Carte::tagDe(Carte::Couleur(couleur), Carte::Position(position));
                serie.push_back({double(position), double(tenues[siege][tag]) / echantillons, nomPosition(position)});
            }
        }
    }
    analyse_->distributionModifiee();
}

void Maitre_Joueur::confirmeAnnonces() { confirmeAnnoncesPlusTard(); }

void Maitre_Joueur::carteJouee(const Carte&, const Partie&) {}

void Maitre_Joueur::annonceFaite(int joueurNo, const Annonces& annonces) {
    annoncees_[joueurNo & 3] = annoncees_[joueurNo & 3] | annonces.cartes();
}

void Maitre_Joueur::mainDeJoueur(CarteSet, int) {}

void Maitre_Joueur::recoitCartes(CarteSet) {}

void Maitre_Joueur::demandeDistribue(const InfoDemande& demande) {
    annoncees_ = {};
    Joueur::demandeDistribue(demande);
}

std::unique_ptr<Joueur> creeJoueurDeRace5(const ContexteJoueur& contexte) {
    if (contexte.options.getNiveau() == OptionsDePartie::NIVEAU_MAITRE) return std::make_unique<Maitre_Joueur>(contexte);
    return creeAIJoueur(contexte);
}
