#include "ai/AnalyseJoueur.h"

#include <cstdio>
#include <utility>

#include "platform/Assertion.h"
#include "platform/TableDesTextes.h"

namespace {
constexpr int ID_TITRE_PAR_DEFAUT = 3840;
}

AnalyseJoueur::AnalyseJoueur() : titre_(texte(ID_TITRE_PAR_DEFAUT)) {}

AnalyseJoueur::Placement AnalyseJoueur::placementPourSiege(int siege, int largeurEcran, int hauteurEcran,
                                                           int largeurFenetrePrincipale) {
    const int largeur = (largeurEcran - largeurFenetrePrincipale) / 2;
    const bool aDroite = siege == 2 || siege == 3;
    const bool enBas = siege == 1 || siege == 2;
    return {aDroite ? largeurEcran - largeur : 0, enBas ? hauteurEcran / 2 : 0, largeur};
}

void AnalyseJoueur::signale(Zone zone) const {
    if (changement) changement(zone);
}

void AnalyseJoueur::setTitre(std::string titre) {
    titre_ = std::move(titre);
    signale(Zone::Fenetre);
}

void AnalyseJoueur::montre() {
    visible_ = true;
    signale(Zone::Fenetre);
}

void AnalyseJoueur::cache() {
    visible_ = false;
    signale(Zone::Fenetre);
}

void AnalyseJoueur::ajouteLigne(const std::string& texte) {
    lignes_.push_back(texte);
    signale(Zone::Texte);
}

std::string AnalyseJoueur::nombre(double valeur) {
    char texte[32];
    std::snprintf(texte, sizeof texte, "%.15g", valeur);
    return texte;
}

void AnalyseJoueur::videTexte() {
    lignes_.clear();
    signale(Zone::Texte);
}

void AnalyseJoueur::videArbre() {
    noeuds_.clear();
    signale(Zone::Arbre);
}

int AnalyseJoueur::ajouteRacine(const std::string& texte) {
    noeuds_.push_back({texte, -1, {}});
    signale(Zone::Arbre);
    return static_cast<int>(noeuds_.size()) - 1;
}

int AnalyseJoueur::ajouteEnfant(int parent, const std::string& texte) {
    TW_ASSERT(parent >= 0 && parent < static_cast<int>(noeuds_.size()), "TFormAnalyseJoueur");
    if (parent < 0 || parent >= static_cast<int>(noeuds_.size())) return -1;
    const int noeud = static_cast<int>(noeuds_.size());
    noeuds_.push_back({texte, parent, {}});
    noeuds_[static_cast<unsigned>(parent)].enfants.push_back(noeud);
    signale(Zone::Arbre);
    return noeud;
}

void AnalyseJoueur::ajouteAuTexte(int noeud, const std::string& texte) {
    TW_ASSERT(noeud >= 0 && noeud < static_cast<int>(noeuds_.size()), "TFormAnalyseJoueur");
    if (noeud < 0 || noeud >= static_cast<int>(noeuds_.size())) return;
    noeuds_[static_cast<unsigned>(noeud)].texte += texte;
    signale(Zone::Arbre);
}

void AnalyseJoueur::videProjections() {
    if (projections_.empty()) return;
    while (!projections_.empty()) projections_.pop_back();
    signale(Zone::Projections);
}

AnalyseJoueur::Serie& AnalyseJoueur::ajouteProjection(const std::string& titre, int maximum) {
    projections_.push_back(
        std::make_unique<Projection>(Projection{titre, -MARGE_PROJECTION, maximum + MARGE_PROJECTION, {}}));
    signale(Zone::Projections);
    return projections_.back()->serie;
}

namespace {
FabriqueFenetreAnalyse fabriqueFenetre = nullptr;
}

void installeFabriqueFenetreAnalyse(FabriqueFenetreAnalyse fabrique) { fabriqueFenetre = fabrique; }

std::unique_ptr<FenetreAnalyse> creeFenetreAnalyse(AnalyseJoueur& analyse) {
    return fabriqueFenetre ? fabriqueFenetre(analyse) : nullptr;
}
