#include "ai/Maitre_ChoixAtout.h"

#include <bit>

#include "ai/AI_ChoixAtout.h"
#include "ai/Maitre_ArretDeSecurite.h"
#include "ai/Maitre_ModeleDeJeu.h"
#include "ai/Maitre_Solveur.h"
#include "rules/KnuthRandom.h"
#include "rules/TypeDePartie.h"

Maitre_ChoixAtout::Maitre_ChoixAtout(StatusAtout status, CarteSet main, int moi, const TypeDePartie& typeDePartie)
    : status_(status), main_(main), moi_(moi & 3), typeDePartie_(typeDePartie) {}

std::array<CarteSet, 4> Maitre_ChoixAtout::tireMains(KnuthRandom& aleatoire) const {
    if (!status_.estChibre) return tireMainsAuHasard(aleatoire);
    // The partner who passed the choice holds a hand that says so: a deal is kept as often as a
    // hand like the one it gives the partner is passed (the model of play's chance of a chibre).
    constexpr int PRECISION = 1 << 30;
    while (true) {
        const std::array<CarteSet, 4> mains = tireMainsAuHasard(aleatoire);
        const double proba = Maitre_ModeleDeJeu::probaChibre(mains[(moi_ + 2) & 3], typeDePartie_);
        if (aleatoire.tire(PRECISION) < proba * PRECISION) return mains;
    }
}

std::array<CarteSet, 4> Maitre_ChoixAtout::tireMainsAuHasard(KnuthRandom& aleatoire) const {
    std::array<std::uint8_t, 36> cartes;
    int n = 0;
    for (std::uint64_t reste = CarteSet::complet().masque() & ~main_.masque(); reste; reste &= reste - 1)
        cartes[n++] = static_cast<std::uint8_t>(std::countr_zero(reste));
    for (int i = n - 1; i > 0; --i) std::swap(cartes[i], cartes[aleatoire.tire(i + 1)]);
    std::array<std::uint64_t, 4> mains{};
    mains[moi_] = main_.masque();
    // Nine cards to each of the three other seats.
    for (int i = 0; i < n; ++i) mains[(moi_ + 1 + i / 9) & 3] |= std::uint64_t{1} << cartes[i];
    std::array<CarteSet, 4> result;
    for (int siege = 0; siege < 4; ++siege) result[siege] = CarteSet::depuisMasque(mains[siege]);
    return result;
}

Maitre_ChoixAtout::Resultat Maitre_ChoixAtout::choisit(KnuthRandom& aleatoire, Maitre_Solveur& solveur,
                                                       const std::atomic<bool>& abandon, Horloge horloge) const {
    Resultat resultat;
    resultat.chibrePossible = !status_.estChibre;
    // The seat that had the choice first leads the first trick, whoever makes trump.
    const int premier = status_.estChibre ? (moi_ + 2) & 3 : moi_;
    const int nbModes = typeDePartie_.getNbAtoutsPossibles();
    const auto debut = horloge();
    const Maitre_ArretDeSecurite arret(solveur, TRAVAIL_MAX, abandon, horloge, debut,
                                       std::chrono::milliseconds(ARRET_DE_SECURITE_MS));
    StatusAtout chibre;
    chibre.estChibre = true;
    while (resultat.echantillons < ECHANTILLONS_MAX && !solveur.interrompu()) {
        const std::array<CarteSet, 4> mains = tireMains(aleatoire);
        std::array<double, 8> ecarts{};
        for (int mode = 1; mode <= nbModes && !solveur.interrompu(); ++mode) {
            const Atout atout = static_cast<Atout>(mode);
            const auto position = Maitre_PositionOuverte::depart(atout, mains, premier);
            const int total = Maitre_Solveur::pointsRestants(position);
            const int equipe0 = solveur.valeurEstimee(position, PLIS_ESTIMES);
            const int pourMoi = moi_ % 2 == 0 ? equipe0 : total - equipe0;
            ecarts[mode] = double(2 * pourMoi - total) * typeDePartie_.getMultiplicateur(atout);
        }
        // A deal not weighed for every mode would favour some of them: it is left out.
        if (solveur.interrompu()) break;
        for (int mode = 1; mode <= nbModes; ++mode) resultat.ecarts[mode] += ecarts[mode];
        if (resultat.chibrePossible)
            resultat.ecartChibre += ecarts[valeur(AI_ChoixAtout::choisit(chibre, mains[(moi_ + 2) & 3], typeDePartie_).atout)];
        ++resultat.echantillons;
    }
    resultat.travail = solveur.noeuds();
    resultat.arretDeSecurite = arret.horsDelai();
    if (resultat.echantillons == 0 || abandon.load(std::memory_order_relaxed)) {
        resultat.status = AI_ChoixAtout::choisit(status_, main_, typeDePartie_);
        return resultat;
    }
    StatusAtout& status = resultat.status;
    status = status_;
    for (int mode = 1; mode <= nbModes; ++mode)
        if (!status.estChoisi || resultat.ecarts[mode] > resultat.ecarts[valeur(status.atout)]) {
            status.atout = static_cast<Atout>(mode);
            status.estChoisi = true;
        }
    if (resultat.chibrePossible && resultat.ecartChibre > resultat.ecarts[valeur(status.atout)]) {
        status.estChibre = true;
        status.estChoisi = false;
        status.atout = Atout::Invalide;
    }
    status.multiplicateur = typeDePartie_.getMultiplicateur(status.atout);
    return resultat;
}
