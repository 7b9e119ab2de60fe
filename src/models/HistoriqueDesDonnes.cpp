#include "models/HistoriqueDesDonnes.h"

#include "events/EvenementDeJeu.h"
#include "events/SettingsPartie.h"
#include "rules/Annonces.h"
#include "rules/JeuDeCartes.h"
#include "rules/Partie.h"
#include "rules/StatusAtout.h"

std::array<std::int32_t, 2> HistoriqueDesDonnes::Donne::totalApres() const {
    const std::array<std::int32_t, 2> p = points.value_or(std::array<std::int32_t, 2>{});
    return {totalAvant[0] + p[0], totalAvant[1] + p[1]};
}

namespace {

std::optional<EvenementDeJeu> decode(const std::string& ligne) {
    try {
        return EvenementDeJeu(ligne);
    } catch (const std::exception&) {
        return std::nullopt;  // the version line
    }
}

template <class Record>
bool charge(Record& record, const std::string& donnees) {
    try {
        record.load(donnees);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// As the table does once the four seats have announced: the best meld and its partner's are shown.
void montreAnnonces(HistoriqueDesDonnes::Donne& donne, const Annonces (&annonces)[4], const int (&annonceurs)[4],
                    Atout atout) {
    const ResultatDesAnnonces resultat = resultatDesAnnonces(annonces, annonceurs[0], atout, donne.multiplicateur);
    if (resultat.meilleure < 0) return;
    for (const int indice : {resultat.meilleure, resultat.partenaire})
        donne.annoncesMontrees[annonceurs[indice] & 3] = annonces[indice].cartes();
}

}  // namespace

void HistoriqueDesDonnes::lit(const std::vector<std::string>& enregistrement,
                             const std::optional<std::array<std::int32_t, 2>>& scoresFinaux) {
    donnes_.clear();
    std::optional<Partie> partie;
    int premierAChoisir = -1;
    Annonces annonces[4];
    int annonceurs[4] = {};
    int nbAnnonces = 0;
    const CarteSet jeu = JeuDeCartes().getCartes();
    for (const std::string& ligne : enregistrement) {
        const std::optional<EvenementDeJeu> evenement = decode(ligne);
        if (!evenement) continue;
        const int intervenant = evenement->getIntervenant();
        const bool parUnJoueur = intervenant < EvenementDeJeu::Table;
        switch (evenement->getType()) {
            case TypeEvenement::EnregistrementSettingsPartie: {
                SettingsPartie settings;
                if (!charge(settings, evenement->getDonnees())) break;
                const std::array<std::int32_t, 2> totaux{settings.totalEq1, settings.totalEq2};
                if (!donnes_.empty() && !donnes_.back().points) {
                    const auto& avant = donnes_.back().totalAvant;
                    donnes_.back().points = std::array<std::int32_t, 2>{totaux[0] - avant[0], totaux[1] - avant[1]};
                }
                Donne donne;
                donne.totalAvant = totaux;
                donnes_.push_back(donne);
                partie.reset();
                premierAChoisir = -1;
                nbAnnonces = 0;
                break;
            }
            case TypeEvenement::ChoisitAtout: {
                StatusAtout status;
                if (donnes_.empty() || !parUnJoueur || partie || !charge(status, evenement->getDonnees())) break;
                Donne& donne = donnes_.back();
                if (premierAChoisir < 0) premierAChoisir = intervenant;
                if (!status.estChoisi) {
                    if (status.estChibre) donne.chibrePar = intervenant;
                    break;
                }
                donne.choisiPar = intervenant;
                donne.atout = status.atout;
                donne.multiplicateur = status.multiplicateur;
                partie.emplace(status.atout, jeu, premierAChoisir, intervenant, status.multiplicateur);
                break;
            }
            case TypeEvenement::Annonce: {
                if (!partie || !parUnJoueur || nbAnnonces >= 4 || partie->nbCartesJouees() > 0) break;
                try {
                    annonces[nbAnnonces] = Annonces(evenement->getDonnees());
                } catch (const std::exception&) {
                    break;
                }
                annonceurs[nbAnnonces] = intervenant;
                if (++nbAnnonces == 4) montreAnnonces(donnes_.back(), annonces, annonceurs, partie->atout());
                break;
            }
            case TypeEvenement::AjouteCarte: {
                const Carte* carte = EvenementDeJeu::carteDuParametre(evenement->getDonnees());
                if (!partie || !carte || !parUnJoueur) break;
                if (partie->estTerminee() || intervenant != partie->noDuProchainAJouer() ||
                    partie->getCartesDejaJouees().contient(*carte))
                    break;
                Donne& donne = donnes_.back();
                if (partie->debutDePli()) {
                    Pli pli;
                    pli.premier = intervenant;
                    donne.plis.push_back(pli);
                }
                Pli& pli = donne.plis.back();
                pli.cartes[intervenant] = carte;
                const int prochain = partie->joueCarte(*carte, intervenant);
                if (partie->debutDePli()) pli.gagnant = prochain;
                donne.cartesJouees[intervenant].insert(*carte);
                donne.pointsCartes = {partie->getPointsEquipe(0), partie->getPointsEquipe(1)};
                break;
            }
            case TypeEvenement::RamasseTas: {
                const int etat = evenement->getNoEvenement();
                if (donnes_.empty() || !EvenementDeJeu::estEtatRamasseTas(etat) ||
                    EvenementDeJeu::siegeDuRamasseTas(etat) != 3)
                    break;
                Donne& donne = donnes_.back();
                const int complets = static_cast<int>(donne.plis.size()) - (donne.plis.empty() || donne.plis.back().gagnant < 0);
                if (donne.plisRamasses < complets) ++donne.plisRamasses;
                break;
            }
            default: break;
        }
    }
    if (scoresFinaux && !donnes_.empty() && !donnes_.back().points) {
        const auto& avant = donnes_.back().totalAvant;
        donnes_.back().points = std::array<std::int32_t, 2>{(*scoresFinaux)[0] - avant[0], (*scoresFinaux)[1] - avant[1]};
    }
}

const HistoriqueDesDonnes::Donne* HistoriqueDesDonnes::derniereDonneTerminee() const {
    for (auto it = donnes_.rbegin(); it != donnes_.rend(); ++it)
        if (it->estTerminee()) return &*it;
    return nullptr;
}

const HistoriqueDesDonnes::Pli* HistoriqueDesDonnes::dernierPliRamasse() const {
    for (auto it = donnes_.rbegin(); it != donnes_.rend(); ++it)
        if (it->plisRamasses > 0) return &it->plis[it->plisRamasses - 1];
    return nullptr;
}
