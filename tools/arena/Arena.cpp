// Plays games or deals between two team configurations, headless and without pacing, and prints
// each team's points and wins with 95% confidence intervals, the deals' difference by the team that
// chose trump (and whether it was passed by a chibre), and the decision times of every computer seat.
//
//   trumpwise_arena [--parties N | --donnes N] [--graine S] [--variante 0..3]
//                   [--equipe1 ai:2,ai:2] [--equipe2 hasard,hasard] [--detail FICHIER]
//   trumpwise_arena --compare A B
//
// --detail writes every deal to a file as it ends; --compare prints, for two such files of runs
// on the same seed and variant, the second run's difference less the first's, deal by deal.
//
// A seat is "ai:<level>" (the program's computer player; level 3 the fair master), "sim:<race>:<level>" (a simulating
// computer player of race 1 to 4) or "hasard" (a random playable card, trump by the card
// weights). Team 1 holds seats 0 and 2. Deals are played as competitions: each
// deal is played twice, the second time with the hands given to the other team.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "DonnesDetaillees.h"
#include "JoueurDeReference.h"
#include "Mesures.h"
#include "ai/AI_Joueur.h"
#include "ai/Maitre_Joueur.h"
#include "ai/JoueurOrdinateur.h"
#include "ai/JoueurOrdinateurPlies.h"
#include "platform/PlateformeVirtuelle.h"
#include "platform/TableDesTextes.h"
#include "players/FabriqueDeJoueurs.h"
#include "events/Statistiques.h"
#include "models/HistoriqueDesDonnes.h"
#include "table/Table.h"

namespace {

struct Siege {
    bool hasard = false;
    int race = OptionsDuJoueur::AI;
    int niveau = 2;
    std::string nom() const {
        if (hasard) return "hasard";
        if (race == OptionsDuJoueur::AI) return "ai:" + std::to_string(niveau);
        return "sim:" + std::to_string(race) + ":" + std::to_string(niveau);
    }
};

struct Configuration {
    int parties = 0;
    int donnes = 0;
    int graine = 1;
    int variante = 0;
    std::string detail;
    Siege sieges[4];
};

Configuration configuration;
int graineDeLaPartie = 0;
Echantillon dureesDecision[4];

// A computer player, timed at each of its decisions.
template <class Ordinateur>
class Chronometre : public Ordinateur {
public:
    using Ordinateur::Ordinateur;
    void choisitAtout(StatusAtout status, CarteSet main) override {
        mesure([&] { Ordinateur::choisitAtout(status, main); });
    }
    void choisitCarte(const Partie& partie, int premier, CarteSet main) override {
        mesure([&] { Ordinateur::choisitCarte(partie, premier, main); });
    }

private:
    template <class Decision>
    void mesure(Decision decision) {
        const auto debut = std::chrono::steady_clock::now();
        decision();
        const std::chrono::duration<double, std::milli> duree = std::chrono::steady_clock::now() - debut;
        dureesDecision[this->identification()].ajoute(duree.count());
    }
};

std::unique_ptr<Joueur> creeJoueurDArene(const ContexteJoueur& contexte) {
    if (configuration.sieges[contexte.noJoueur].hasard)
        return std::make_unique<JoueurDeReference>(contexte, graineDeLaPartie * 4 + contexte.noJoueur);
    switch (configuration.sieges[contexte.noJoueur].race) {
        case OptionsDuJoueur::Ordinateur:
            return std::make_unique<Chronometre<JoueurOrdinateur>>(contexte);
        case OptionsDuJoueur::OrdinateurParfait:
            return std::make_unique<Chronometre<JoueurOrdinateurParfait>>(contexte);
        case OptionsDuJoueur::OrdinateurPlies:
            return std::make_unique<Chronometre<JoueurOrdinateurPlies>>(contexte);
        case OptionsDuJoueur::OrdinateurParfaitPlies:
            return std::make_unique<Chronometre<JoueurOrdinateurParfaitPlies>>(contexte);
        default:
            if (contexte.options.getNiveau() == OptionsDePartie::NIVEAU_MAITRE)
                return std::make_unique<Chronometre<Maitre_Joueur>>(contexte);
            return std::make_unique<Chronometre<AI_Joueur>>(contexte);
    }
}

bool litEquipe(const char* texte, Siege& premier, Siege& second) {
    Siege* sieges[2] = {&premier, &second};
    std::string reste = texte;
    for (Siege* siege : sieges) {
        const std::string nom = reste.substr(0, reste.find(','));
        reste = reste.find(',') == std::string::npos ? "" : reste.substr(reste.find(',') + 1);
        if (nom == "hasard") {
            siege->hasard = true;
        } else if (nom.size() == 4 && nom.rfind("ai:", 0) == 0 && nom[3] >= '0' && nom[3] <= '3') {
            siege->hasard = false;
            siege->race = OptionsDuJoueur::AI;
            siege->niveau = nom[3] - '0';
        } else if (nom.size() == 7 && nom.rfind("sim:", 0) == 0 && nom[4] >= '1' && nom[4] <= '4' && nom[5] == ':' &&
                   nom[6] >= '0' && nom[6] <= '2') {
            siege->hasard = false;
            siege->race = nom[4] - '0';
            siege->niveau = nom[6] - '0';
        } else {
            return false;
        }
    }
    return true;
}

bool litArguments(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        const char* valeur = argv[i + 1];
        if (option == "--parties") configuration.parties = std::atoi(valeur);
        else if (option == "--donnes") configuration.donnes = std::atoi(valeur);
        else if (option == "--graine") configuration.graine = std::atoi(valeur);
        else if (option == "--variante") configuration.variante = std::atoi(valeur);
        else if (option == "--detail") configuration.detail = valeur;
        else if (option == "--equipe1") { if (!litEquipe(valeur, configuration.sieges[0], configuration.sieges[2])) return false; }
        else if (option == "--equipe2") { if (!litEquipe(valeur, configuration.sieges[1], configuration.sieges[3])) return false; }
        else return false;
    }
    if (argc % 2 == 0) return false;
    if (configuration.parties <= 0 && configuration.donnes <= 0) configuration.parties = 10;
    return configuration.variante >= 0 && configuration.variante <= 3;
}

struct DonneJouee {
    std::array<int, 2> points;  // melds included
    int equipeQuiAChoisi;       // 0 for team 1
    bool chibre;
    Atout atout;
    std::uint64_t cle;  // the hands of seats 0 and 1, mixed
};

struct Resultat {
    int score[2] = {0, 0};
    std::vector<DonneJouee> donnes;
};

Resultat joueUnePartie(bool concours) {
    PlateformeVirtuelle plateforme;
    plateforme.heureLocale_.tm_min = graineDeLaPartie % 60;
    plateforme.heureLocale_.tm_hour = (graineDeLaPartie / 60) % 24;
    plateforme.heureLocale_.tm_mday = 1 + (graineDeLaPartie / 1440) % 28;
    plateforme.reponses = {false};
    Statistiques statistiques;
    Table table(statistiques);
    OptionsDePartie options;
    options.setTypeChibre(configuration.variante);
    options.setTypePartie(concours ? OptionsDePartie::Concours : OptionsDePartie::Standard);
    table.setOptionsDePartie(options);
    table.commencePartie(Table::NouvellePartie, OptionsDePartie::Local, "");
    for (int siege = 0; siege < 4; ++siege) {
        const Siege& s = configuration.sieges[siege];
        table.inscritJoueur(OptionsDuJoueur(s.nom() + "#" + std::to_string(siege), true, 1, false,
                                            OptionsDuJoueur::AI, static_cast<std::uint8_t>(s.niveau)),
                            2 + siege);
    }
    plateforme.avanceJusquAuRepos(2000000000);

    Resultat resultat;
    if (table.etatJeu() != EvenementDeJeu::Vide_Avant_NouvellePartie || !table.partie()) {
        std::fprintf(stderr, "game %d did not end (state %d)\n", graineDeLaPartie, int(table.etatJeu()));
        std::exit(2);
    }
    resultat.score[0] = table.totalEquipe(0) + table.pointsAnnoncesEquipe(0) + table.partie()->getPointsEquipe1();
    resultat.score[1] = table.totalEquipe(1) + table.pointsAnnoncesEquipe(1) + table.partie()->getPointsEquipe2();
    HistoriqueDesDonnes historique;
    historique.lit(table.listeDesEvenements().enregistrement(), std::array<std::int32_t, 2>{resultat.score[0], resultat.score[1]});
    for (const HistoriqueDesDonnes::Donne& donne : historique.donnes())
        if (donne.points)
            resultat.donnes.push_back({{(*donne.points)[0], (*donne.points)[1]}, donne.choisiPar & 1, donne.chibrePar >= 0,
                                       donne.atout, donne.cartesJouees[0].masque() ^ donne.cartesJouees[1].masque() * 0x9E3779B97F4A7C15ull});
    return resultat;
}

int compare(const char* cheminA, const char* cheminB) {
    std::vector<DonneDetaillee> a, b;
    std::string erreur;
    if (!litDonnesDetaillees(cheminA, a, erreur) || !litDonnesDetaillees(cheminB, b, erreur)) {
        std::fprintf(stderr, "%s\n", erreur.c_str());
        return 1;
    }
    if (!compareDonnesDetaillees(a, b)) {
        std::fprintf(stderr, "%s and %s share no deal: runs of other seeds or variants\n", cheminA, cheminB);
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--compare") == 0) return compare(argv[2], argv[3]);
    if (!litArguments(argc, argv)) {
        std::fprintf(stderr,
                     "usage: %s [--parties N | --donnes N] [--graine S] [--variante 0..3] "
                     "[--equipe1 ai:2,ai:2] [--equipe2 hasard,hasard] [--detail FICHIER]\n"
                     "       %s --compare A B\n",
                     argv[0], argv[0]);
        return 1;
    }
    std::FILE* detail = nullptr;
    if (!configuration.detail.empty() && !(detail = std::fopen(configuration.detail.c_str(), "w"))) {
        std::fprintf(stderr, "%s: cannot be written\n", configuration.detail.c_str());
        return 1;
    }
    TableDesTextes::globale().charge(std::string(TRUMPWISE_LANG_DIR) + "/fra.txt");
    enregistreFabrique(OptionsDuJoueur::AI, creeJoueurDArene);
    assertion::installe([](const char* expression, const char* source, int ligne) {
        std::fprintf(stderr, "Assertion failed: %s %s %d\n", expression, source, ligne);
        std::abort();
    });

    const bool concours = configuration.donnes > 0;
    const int nbParties = concours ? (configuration.donnes + 7) / 8 : configuration.parties;
    Echantillon victoiresEquipe1, pointsParPartie[2], ecartParPartie, pointsParDonne[2], ecartParDonne;
    // The difference of the deals by the team that chose trump, and whether it was after a chibre.
    Echantillon ecartSelonLeChoix[2][2];
    const auto debut = std::chrono::steady_clock::now();
    for (int partie = 0; partie < nbParties; ++partie) {
        graineDeLaPartie = configuration.graine + partie;
        const Resultat resultat = joueUnePartie(concours);
        victoiresEquipe1.ajoute(resultat.score[0] > resultat.score[1] ? 1.0 : resultat.score[0] == resultat.score[1] ? 0.5 : 0.0);
        for (int e = 0; e < 2; ++e) pointsParPartie[e].ajoute(resultat.score[e]);
        ecartParPartie.ajoute(resultat.score[0] - resultat.score[1]);
        for (const auto& donne : resultat.donnes) {
            for (int e = 0; e < 2; ++e) pointsParDonne[e].ajoute(donne.points[e]);
            ecartParDonne.ajoute(donne.points[0] - donne.points[1]);
            ecartSelonLeChoix[donne.equipeQuiAChoisi][donne.chibre].ajoute(donne.points[0] - donne.points[1]);
            if (detail)
                ecritDonneDetaillee(detail, {graineDeLaPartie, donne.cle, donne.equipeQuiAChoisi, donne.chibre,
                                             valeur(donne.atout), donne.points[0] - donne.points[1]});
        }
        // A run stopped half-way leaves the deals it played.
        if (detail) std::fflush(detail);
    }
    const std::chrono::duration<double> duree = std::chrono::steady_clock::now() - debut;

    std::printf("team 1 (seats 0, 2): %s, %s\n", configuration.sieges[0].nom().c_str(), configuration.sieges[2].nom().c_str());
    std::printf("team 2 (seats 1, 3): %s, %s\n", configuration.sieges[1].nom().c_str(), configuration.sieges[3].nom().c_str());
    std::printf("%zu %s, %zu deals, variant %d, seed %d, %.1f s\n", victoiresEquipe1.taille(),
                concours ? "competitions" : "games", ecartParDonne.taille(), configuration.variante, configuration.graine,
                duree.count());
    std::printf("team 1 wins:            %5.1f%% +/- %.1f%%\n", 100 * victoiresEquipe1.moyenne(),
                100 * victoiresEquipe1.demiIntervalle95());
    std::printf("points per game:        team 1 %s, team 2 %s, difference %s\n",
                pointsParPartie[0].moyenneEtIntervalle().c_str(), pointsParPartie[1].moyenneEtIntervalle().c_str(),
                ecartParPartie.moyenneEtIntervalle().c_str());
    std::printf("points per deal:        team 1 %s, team 2 %s, difference %s\n",
                pointsParDonne[0].moyenneEtIntervalle().c_str(), pointsParDonne[1].moyenneEtIntervalle().c_str(),
                ecartParDonne.moyenneEtIntervalle().c_str());
    for (int equipe = 0; equipe < 2; ++equipe)
        for (int chibre = 0; chibre < 2; ++chibre)
            std::printf("trump by team %d%s: %5zu deals, difference %s\n", equipe + 1, chibre ? " after chibre" : "             ",
                        ecartSelonLeChoix[equipe][chibre].taille(), ecartSelonLeChoix[equipe][chibre].moyenneEtIntervalle().c_str());
    for (int siege = 0; siege < 4; ++siege) {
        const Echantillon& d = dureesDecision[siege];
        if (d.taille() == 0) continue;
        std::printf("seat %d %-7s decisions %6zu: median %6.1f ms, p95 %6.1f ms, max %6.1f ms\n", siege,
                    configuration.sieges[siege].nom().c_str(), d.taille(), d.quantile(0.5), d.quantile(0.95),
                    d.quantile(1.0));
    }
    if (detail) std::fclose(detail);
    return 0;
}
