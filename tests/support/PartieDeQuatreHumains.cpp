#include "support/PartieDeQuatreHumains.h"

#include <algorithm>

#include "rules/TypeDePartie.h"

void PartieDeQuatreHumains::demarre(const OptionsDePartie& options) {
    const auto humain = [](const char* nom) { return OptionsDuJoueur(nom, true, 1, false, OptionsDuJoueur::Humain, 2); };
    demarre(options, {humain("Anne"), humain("Bernard"), humain("Claire"), humain("Daniel")});
}

void PartieDeQuatreHumains::demarre(const OptionsDePartie& options, const std::array<OptionsDuJoueur, 4>& joueurs) {
    table.setOptionsDePartie(options);
    table.commencePartie(Table::NouvellePartie, OptionsDePartie::Local, "");
    for (int siege = 0; siege < 4; ++siege) table.inscritJoueur(joueurs[siege], 2 + siege);
    for (int siege = 0; siege < 4; ++siege) joueur(siege).panel().place(900, 700);
}

bool PartieDeQuatreHumains::joueUneCarte(PanelDeJoueur& panel) {
    std::vector<PanelDeJoueur::CartePlacee> cartes = panel.cartesPlacees();
    std::shuffle(cartes.begin(), cartes.end(), aleatoire_);
    for (const auto& placee : cartes) {
        panel.survole(placee.left + 2, PanelDeJoueur::TOP_CARTE + 10);
        if (panel.carteSelectionnee() == placee.carte) {
            if (aleatoire_() % 2)
                panel.doubleClic();
            else
                table.tasCentral().lache();
            return true;
        }
    }
    return false;
}

bool PartieDeQuatreHumains::agit() {
    for (int siege = 0; siege < 4; ++siege) {
        Joueur* j = table.getJoueur(siege);
        if (!j) continue;
        PanelDeJoueur& panel = j->panel();
        if (!panel.estComplet()) continue;
        if (panel.boutonActionActif()) {
            ++nbActions;
            panel.cliqueAction();
            return true;
        }
        const bool atoutDemande = (table.etatJeu() == EvenementDeJeu::AttendAtout ||
                                   table.etatJeu() == EvenementDeJeu::AttendAtoutChibre) &&
                                  j->noDemande() == table.etatJeu();
        if (atoutDemande && panel.zoneAtoutVisible() && panel.zoneAtoutActive()) {
            ++nbActions;
            if (panel.boutonChibre().actif && aleatoire_() % 4 == 0) {
                ++nbChibres;
                panel.cliqueChibre();
            } else {
                const auto& boutons = panel.boutonsAtout();
                panel.cliqueAtout(Atout(boutons[aleatoire_() % boutons.size()].tag));
            }
            return true;
        }
        if (panel.zoneCartesActive() && joueUneCarte(panel)) {
            ++nbActions;
            return true;
        }
    }
    return false;
}

void PartieDeQuatreHumains::joueJusqua(int etat) {
    for (int garde = 0; garde < 5000 && table.etatJeu() != etat; ++garde) {
        if (agit()) continue;
        if (plateforme.minuteriesActives() == 0) return;
        plateforme.avance(1);
    }
}
