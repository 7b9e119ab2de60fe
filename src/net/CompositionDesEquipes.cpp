#include "net/CompositionDesEquipes.h"

#include <algorithm>

#include "platform/Plateforme.h"
#include "platform/TableDesTextes.h"

namespace {
enum IdTexte { ID_IDENTIFIANT = 2824, ID_EQUIPES_INCOMPLETES = 2827, ID_TITRE_EQUIPES_INCOMPLETES = 2828 };
}  // namespace

void CompositionDesEquipes::vide() {
    joueurs_.clear();
    for (auto& liste : listes_) liste.clear();
    noeuds_.clear();
    signaleChangement();
}

int CompositionDesEquipes::ajouteJoueur(const OptionsDuJoueur& options) {
    joueurs_.push_back(options);
    const int joueur = static_cast<int>(joueurs_.size()) - 1;
    listes_[Disponibles].push_back({options.nom(), joueur});
    signaleChangement();
    return joueur;
}

int CompositionDesEquipes::inscritClient(const OptionsDuJoueur& options) {
    const int joueur = ajouteJoueur(options);
    noeuds_.emplace_back(joueur, Noeud{options.nom(), texte(ID_IDENTIFIANT) + std::to_string(options.getIdentifiant())});
    signaleChangement();
    return joueur;
}

void CompositionDesEquipes::retireClient(int joueur) {
    for (auto& liste : listes_)
        liste.erase(std::remove_if(liste.begin(), liste.end(), [joueur](const Entree& e) { return e.joueur == joueur; }),
                    liste.end());
    for (auto& [numero, noeud] : noeuds_)
        if (numero == joueur) noeud.reset();
    signaleChangement();
}

void CompositionDesEquipes::ajouteAEquipe(Liste equipe, const std::vector<int>& selection) {
    if (listes_[equipe].size() >= 2) return;
    deplace(Disponibles, equipe, selection);
}

void CompositionDesEquipes::retireDeEquipe(Liste equipe, const std::vector<int>& selection) {
    deplace(equipe, Disponibles, selection);
}

void CompositionDesEquipes::deplace(Liste depuis, Liste vers, const std::vector<int>& selection) {
    std::vector<int> rangs = selection;
    std::sort(rangs.begin(), rangs.end());
    rangs.erase(std::unique(rangs.begin(), rangs.end()), rangs.end());
    auto& source = listes_[depuis];
    for (auto rang = rangs.rbegin(); rang != rangs.rend(); ++rang) {
        if (*rang < 0 || *rang >= static_cast<int>(source.size())) continue;
        listes_[vers].push_back(source[static_cast<std::size_t>(*rang)]);
        source.erase(source.begin() + *rang);
    }
    signaleChangement();
}

bool CompositionDesEquipes::confirme() const {
    if (listes_[Equipe1].size() >= 2 && listes_[Equipe2].size() >= 2) return true;
    Plateforme::courante().information(texte(ID_EQUIPES_INCOMPLETES), texte(ID_TITRE_EQUIPES_INCOMPLETES));
    return false;
}

std::array<int, 4> CompositionDesEquipes::sieges() const {
    const auto& e1 = listes_[Equipe1];
    const auto& e2 = listes_[Equipe2];
    if (e1.size() < 2 || e2.size() < 2) return {-1, -1, -1, -1};
    return {e1[0].joueur, e2[0].joueur, e1[1].joueur, e2[1].joueur};
}

void CompositionDesEquipes::signaleChangement() const {
    if (changement) changement();
}
