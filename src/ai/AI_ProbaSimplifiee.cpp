#include "ai/AI_ProbaSimplifiee.h"

#include "ai/AnalyseJoueur.h"
#include "platform/Assertion.h"
#include "rules/KnuthRandom.h"
#include "rules/Partie.h"
#include "rules/Siege.h"

namespace {

constexpr const char* SOURCE = "AI_ProbaSimplifiee";
// A simulated deal that keeps overflowing a hand starts again; the odds of a fitting deal are
// far above one in this many, unless the tables contradict the hand sizes.
constexpr long MAX_TENTATIVES = 1000000;

void verifie(bool condition, const char* expression, int ligne) {
    if (!condition) assertion::echoue(expression, SOURCE, ligne);
}

std::int32_t rythmeDuNiveau(int niveau) {
    switch (niveau) {
        case 0:
            return 3;
        case 1:
        case 2:
            return 1;
        default:
            TW_ASSERT(false, SOURCE);
            return 1;
    }
}

}  // namespace

AI_ProbaSimplifiee::AI_ProbaSimplifiee(AnalyseJoueur& analyse, int niveau) : analyse_(&analyse) {
    reinitialise();
    rythme_ = rythmeDuNiveau(niveau);
}

void AI_ProbaSimplifiee::reinitialise() {
    for (int joueur = 0; joueur < 4; ++joueur) {
        joueurPeutAvoirCarte_[joueur] = CarteSet::complet();
        joueurACarte_[joueur] = CarteSet();
    }
    afficheGraphiques();
}

void AI_ProbaSimplifiee::ajouteMain(CarteSet cartes, int noJoueur) {
    CarteSet& connues = joueurACarte_[siege::verifie(noJoueur)];
    for (const Carte& carte : cartes) {
        verifie(!connues.contient(carte),
                "joueurACarte_[noJoueur][(*i)->position()][(*i)->couleur()] == false", __LINE__);
        connues.insert(carte);
    }
}

void AI_ProbaSimplifiee::metAJour(const Partie& partie) {
    const int atout = valeur(partie.atout());
    for (int couleur = Carte::Trefle; couleur <= Carte::Coeur; ++couleur) {
        CarteSet couleurEntiere = CarteSet::complet().deCouleur(couleur);
        // The trump Valet need not follow a trump lead: showing out of trumps does not tell
        // whether the seat keeps it.
        if (couleur == atout) couleurEntiere.erase(Carte::trouve(Carte::Couleur(couleur), Carte::Valet));
        for (int joueur = 0; joueur < 4; ++joueur) {
            if (!partie.nAPlusLaCouleur(joueur, couleur)) continue;
            verifie((joueurACarte_[joueur] & couleurEntiere).empty(),
                    "joueurACarte_[joueurNo][(Carte::Position)position][(Carte::Couleur)couleur]==false", __LINE__);
            joueurPeutAvoirCarte_[joueur] = joueurPeutAvoirCarte_[joueur].sauf(couleurEntiere);
        }
    }
    const CarteSet jouees = partie.getCartesDejaJouees();
    for (int joueur = 0; joueur < 4; ++joueur) {
        joueurPeutAvoirCarte_[joueur] = joueurPeutAvoirCarte_[joueur].sauf(jouees);
        joueurACarte_[joueur] = joueurACarte_[joueur].sauf(jouees);
    }
    afficheGraphiques();
}

void AI_ProbaSimplifiee::annonceCarte(int joueurQuiAnnonce, int couleur, int position) {
    TW_ASSERT(Carte::estCouleurValide(couleur) && Carte::estPositionValide(position), SOURCE);
    if (!Carte::estCouleurValide(couleur) || !Carte::estPositionValide(position)) return;
    const Carte& carte = Carte::trouve(Carte::Couleur(couleur), Carte::Position(position));
    const int annonceur = siege::verifie(joueurQuiAnnonce);
    verifie(joueurPeutAvoirCarte_[annonceur].contient(carte),
            "joueurPeutAvoirCarte_[jourQuiAnnonce][pos][coul] == true", __LINE__);
    verifie(joueurACarte_[annonceur].contient(carte), "joueurACarte_[jourQuiAnnonce][pos][coul] == true", __LINE__);
    for (int joueur = 0; joueur < 4; ++joueur) {
        if (joueur == annonceur) continue;
        joueurPeutAvoirCarte_[joueur].erase(carte);
        joueurACarte_[joueur].erase(carte);
    }
    afficheGraphiques();
}

int AI_ProbaSimplifiee::choisitJoueur(int couleur, int position, KnuthRandom& aleatoire) {
    const Carte& carte = Carte::trouve(Carte::Couleur(couleur), Carte::Position(position));
    int result = -1;
    if (compteur_ == rythme_) {
        compteur_ = 0;
        for (int joueur = 0; joueur < 4 && result == -1; ++joueur)
            if (joueurACarte_[joueur].contient(carte)) result = joueur;
        TW_ASSERT(result != -1, SOURCE);
    }
    ++compteur_;
    bool quelquUn = false;
    for (const CarteSet& possibles : joueurPeutAvoirCarte_) quelquUn = quelquUn || possibles.contient(carte);
    TW_ASSERT(result != -1 || quelquUn, SOURCE);
    if (!quelquUn && result == -1) return 0;
    while (result == -1) {
        const int joueur = aleatoire.tire(4);
        if (joueurPeutAvoirCarte_[joueur].contient(carte)) result = joueur;
    }
    return result;
}

bool AI_ProbaSimplifiee::distribueMains(CarteSet (&mains)[4], const int (&nombres)[4], CarteSet cartesEnJeuOriginal,
                                        KnuthRandom& aleatoire) {
    CarteSet distrib;
    for (const CarteSet& possibles : joueurPeutAvoirCarte_) distrib = distrib | possibles;
    // The same count over other cards would leave an unplayed card that no seat may receive.
    verifie(distrib == cartesEnJeuOriginal, "cartesEnJeuOriginal.size() == nbDeCartesDansLaDistrib", __LINE__);
    const int total = nombres[0] + nombres[1] + nombres[2] + nombres[3];
    TW_ASSERT(total == static_cast<int>(cartesEnJeuOriginal.size()), SOURCE);
    if (distrib != cartesEnJeuOriginal || total != static_cast<int>(cartesEnJeuOriginal.size())) return false;

    for (long tentative = 0; tentative < MAX_TENTATIVES; ++tentative) {
        for (CarteSet& main : mains) main = CarteSet();
        CarteSet jeuDeCartes = cartesEnJeuOriginal;
        bool deborde = false;
        for (const Carte& carte : cartesEnJeuOriginal) {
            const int joueur = choisitJoueur(carte.getCouleur(), carte.getPosition(), aleatoire);
            if (static_cast<int>(mains[joueur].size()) >= nombres[joueur]) {
                deborde = true;
                break;
            }
            mains[joueur].insert(carte);
            jeuDeCartes.erase(carte);
        }
        if (deborde) continue;
        TW_ASSERT(jeuDeCartes.size() == 0, SOURCE);
        return true;
    }
    TW_ASSERT(false, SOURCE);
    for (CarteSet& main : mains) main = CarteSet();
    return false;
}

void AI_ProbaSimplifiee::afficheGraphiques() const {
    for (int couleur = Carte::Trefle; couleur <= Carte::Coeur; ++couleur) {
        AnalyseJoueur::GraphiqueCouleur& graphique = analyse_->graphique(couleur);
        for (int joueur = 0; joueur < 4; ++joueur) {
            AnalyseJoueur::Serie& serie = graphique.series[static_cast<unsigned>(joueur)];
            serie.clear();
            for (int position = Carte::Six; position <= Carte::As; ++position) {
                const Carte& carte = Carte::trouve(Carte::Couleur(couleur), Carte::Position(position));
                serie.push_back({double(position), peutAvoir(joueur, carte) ? 1.0 : 0.0, nomPosition(position)});
            }
        }
    }
    analyse_->distributionModifiee();
}
