#include "models/FeuilleDeMarque.h"

#include "platform/TableDesTextes.h"
#include "rules/Siege.h"

namespace {

enum IdTexte {
    ID_CHOIX_APRES_CHIBRE = 3962,
    ID_EQUIPE = 3963,
};

}  // namespace

std::vector<LigneDeMarque> feuilleDeMarque(const HistoriqueDesDonnes& historique,
                                           const std::array<std::string, 4>& noms) {
    std::vector<LigneDeMarque> lignes;
    int numero = 0;
    for (const HistoriqueDesDonnes::Donne& donne : historique.donnes()) {
        ++numero;
        if (donne.choisiPar < 0) continue;
        LigneDeMarque ligne;
        ligne.donne = std::to_string(numero);
        ligne.atout = nomAtout(donne.atout) + " x" + std::to_string(donne.multiplicateur);
        ligne.choix = donne.chibrePar < 0 ? noms[donne.choisiPar]
                                          : formate(ID_CHOIX_APRES_CHIBRE, noms[donne.choisiPar], noms[donne.chibrePar]);
        if (donne.estTerminee()) {
            const auto totaux = donne.totalApres();
            for (int equipe = 0; equipe < 2; ++equipe) {
                ligne.points[equipe] = std::to_string((*donne.points)[equipe]);
                ligne.totaux[equipe] = std::to_string(totaux[equipe]);
            }
        }
        lignes.push_back(ligne);
    }
    return lignes;
}

std::string nomDEquipe(const std::array<std::string, 4>& noms, int equipe) {
    return formate(ID_EQUIPE, noms[equipe & 1], noms[siege::partenaire(equipe & 1)]);
}
