#include "ai/Maitre_Joueur.h"

#include <atomic>
#include <cmath>
#include <cstdio>

#include "ai/AI_Joueur.h"
#include "ai/Maitre_ChoixAtout.h"
#include "ai/Maitre_Solveur.h"
#include "platform/Assertion.h"
#include "platform/TableDesTextes.h"
#include "rules/OptionsDePartie.h"
#include "rules/Partie.h"

namespace {

enum IdTexte {
    ID_ECHANTILLONS = 3843,
    ID_VALEUR_CARTE = 3844,
    ID_VOTES = 3845,
    ID_DONNES_PONDEREES = 3846,
    ID_ECHANTILLONS_QUI_VOTENT = 3902,
    ID_CROYANCES = 3903,
    ID_CHOIX_ATOUT = 3904,
    ID_ECART_MOYEN = 3905,
    ID_CHIBRE = 1024,
};

constexpr unsigned BITS_TABLE = 19;

std::chrono::steady_clock::time_point horloge() { return Plateforme::courante().maintenant(); }

std::string nombre(double valeur) {
    char texte[32];
    std::snprintf(texte, sizeof texte, "%.1f", valeur);
    return texte;
}

}  // namespace

struct Maitre_Joueur::Atelier {
    Maitre_Solveur solveur{BITS_TABLE};
    std::atomic<bool> abandon{false};
};

Maitre_Joueur::Maitre_Joueur(const ContexteJoueur& contexte)
    : JoueurCalculateur(contexte, "Maitre_Joueur"), atelier_(std::make_shared<Atelier>()) {}

Maitre_Joueur::~Maitre_Joueur() { atelier_->abandon = true; }

void Maitre_Joueur::choisitAtout(StatusAtout statusAtout, CarteSet cartesEnMain) {
    const Instant debut = maintenant();
    struct Travail {
        Maitre_ChoixAtout choix;
        KnuthRandom aleatoire;
        Maitre_ChoixAtout::Resultat resultat;
    };
    auto travail = std::make_shared<Travail>(
        Travail{Maitre_ChoixAtout(statusAtout, cartesEnMain, noJoueur_, typeDePartie_), aleatoire_, {}});
    const std::shared_ptr<Atelier> atelier = atelier_;
    Plateforme::courante().enArrierePlan(
        [travail, atelier] {
            travail->resultat = travail->choix.choisit(travail->aleatoire, atelier->solveur, atelier->abandon, horloge);
        },
        [this, travail, atelier, debut] {
            if (atelier->abandon) return;
            aleatoire_ = travail->aleatoire;
            montre(travail->resultat);
            remetAtout(travail->resultat.status, debut);
        });
}

void Maitre_Joueur::montre(const Maitre_ChoixAtout::Resultat& resultat) {
    if (resultat.arretDeSecurite) ++arretsDeSecurite_;
    analyse_->videProjections();
    analyse_->ajouteLigne(formate(ID_CHOIX_ATOUT, resultat.echantillons, resultat.travail));
    if (resultat.echantillons == 0) return;
    for (int mode = 1; mode <= typeDePartie_.getNbAtoutsPossibles(); ++mode)
        analyse_->ajouteLigne(formate(ID_ECART_MOYEN, nomAtout(mode), nombre(resultat.ecarts[mode] / resultat.echantillons)));
    if (resultat.chibrePossible)
        analyse_->ajouteLigne(formate(ID_ECART_MOYEN, texte(ID_CHIBRE), nombre(resultat.ecartChibre / resultat.echantillons)));
}

void Maitre_Joueur::choisitCarte(const Partie& partie, int joueurDoitChoisirAtout, CarteSet cartesEnMain) {
    const Instant debut = maintenant();
    struct Travail {
        Maitre_Reflexion reflexion;
        KnuthRandom aleatoire;
        Maitre_Reflexion::Resultat resultat;
    };
    auto travail = std::make_shared<Travail>(Travail{
        Maitre_Reflexion(partie, noJoueur_, cartesEnMain, vu(joueurDoitChoisirAtout), options_.getDepartAtoutPlusHaut()),
        aleatoire_, {}});
    const std::shared_ptr<Atelier> atelier = atelier_;
    Plateforme::courante().enArrierePlan(
        [travail, atelier] {
            travail->resultat = travail->reflexion.reflechit(travail->aleatoire, atelier->solveur, atelier->abandon, horloge);
        },
        [this, travail, atelier, debut] {
            // Set on the program's thread, by the destructor: `this` is gone.
            if (atelier->abandon) return;
            aleatoire_ = travail->aleatoire;
            remetCarte(montre(travail->reflexion, travail->resultat), debut);
        });
}

const Carte& Maitre_Joueur::meilleureCarte(const Partie& partie, int joueurDoitChoisirAtout, CarteSet cartesEnMain) {
    const Maitre_Reflexion reflexion(partie, noJoueur_, cartesEnMain, vu(joueurDoitChoisirAtout),
                                     options_.getDepartAtoutPlusHaut());
    return montre(reflexion, reflexion.reflechit(aleatoire_, atelier_->solveur, atelier_->abandon, horloge));
}

const Carte& Maitre_Joueur::montre(const Maitre_Reflexion& reflexion, const Maitre_Reflexion::Resultat& resultat) {
    TW_ASSERT(!reflexion.jouables().empty(), "Maitre_Joueur");
    const CarteSet jouables = reflexion.jouables();
    const Carte& choix = Carte::parTag(static_cast<unsigned>(resultat.choix));
    if (jouables.size() == 1) return choix;
    if (resultat.arretDeSecurite) ++arretsDeSecurite_;
    analyse_->videProjections();
    if (resultat.parVote) {
        analyse_->ajouteLigne(formate(ID_ECHANTILLONS_QUI_VOTENT, resultat.echantillons));
        for (const Carte& carte : jouables)
            analyse_->ajouteLigne(formate(ID_VOTES, carte.getNom(), resultat.votes[carte.getTag()], resultat.echantillons));
    } else {
        analyse_->ajouteLigne(formate(ID_ECHANTILLONS, resultat.echantillons, resultat.travail));
        const int multiplicateur = reflexion.partie().getMultiplicateur();
        for (const Carte& carte : jouables) {
            const unsigned tag = carte.getTag();
            if (resultat.echantillons == 0) break;
            const double moyenne = resultat.somme[tag] / resultat.echantillons;
            const double ecart = std::sqrt(std::max(0.0, resultat.carres[tag] / resultat.echantillons - moyenne * moyenne));
            analyse_->ajouteLigne(formate(ID_VALEUR_CARTE, carte.getNom(), nombre(moyenne * multiplicateur),
                                          nombre(ecart * multiplicateur)));
            AnalyseJoueur::Serie& serie = analyse_->ajouteProjection(carte.getNom(), 257 * multiplicateur);
            for (const int valeur : resultat.valeurs[tag]) serie.push_back({double(valeur * multiplicateur), 1.0, ""});
        }
    }
    if (resultat.echantillons == 0) return choix;
    analyse_->ajouteLigne(formate(ID_DONNES_PONDEREES, resultat.donnesDistinctes, resultat.donnesImaginees));
    analyse_->ajouteLigne(texte(ID_CROYANCES));
    montreCroyances(resultat.tenues, resultat.echantillons);
    return choix;
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

Maitre_CeQuiAEteVu Maitre_Joueur::vu(int joueurDoitChoisirAtout) const {
    return {joueurDoitChoisirAtout, typeDePartie_, annoncees_, cartesJouees_};
}

void Maitre_Joueur::confirmeAnnonces() { confirmeAnnoncesPlusTard(); }

void Maitre_Joueur::carteJouee(const Carte& carte, const Partie&) { cartesJouees_.push_back(static_cast<std::uint8_t>(carte.getTag())); }

void Maitre_Joueur::annonceFaite(int joueurNo, const Annonces& annonces) {
    annoncees_[joueurNo & 3] = annoncees_[joueurNo & 3] | annonces.cartes();
}

void Maitre_Joueur::mainDeJoueur(CarteSet, int) {}

void Maitre_Joueur::recoitCartes(CarteSet) { cartesJouees_.clear(); }

void Maitre_Joueur::demandeDistribue(const InfoDemande& demande) {
    annoncees_ = {};
    Joueur::demandeDistribue(demande);
}

std::unique_ptr<Joueur> creeJoueurDeRace5(const ContexteJoueur& contexte) {
    if (contexte.options.getNiveau() == OptionsDePartie::NIVEAU_MAITRE) return std::make_unique<Maitre_Joueur>(contexte);
    return creeAIJoueur(contexte);
}
