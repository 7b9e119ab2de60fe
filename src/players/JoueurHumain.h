#pragma once

#include <memory>

#include "platform/Plateforme.h"
#include "players/JoueurSansMemoire.h"
#include "models/ReponsesDuPanel.h"

// The player of the person at this computer. It turns the table's requests into controls on its
// panel and the user's actions on the panel into answer events. It decides nothing itself except
// the melds, which are found in the hand and announced without asking.
class JoueurHumain : public JoueurSansMemoire, public ReponsesDuPanel {
public:
    explicit JoueurHumain(const ContexteJoueur& contexte);
    ~JoueurHumain() override;

    void choisitAtout(StatusAtout status, CarteSet main) override;
    void annonce(CarteSet main) override;
    void choisitCarte(const Partie& partie, int premierJoueur, CarteSet main) override;
    void distribue() override;
    void finDePartie(bool gagne, bool egalite) override;
    void ramasseTas() override;
    void confirmeAnnonces() override;

    // The user's actions, from the panel.
    StatusCarteJouee carteJouable(const Carte& carte) override;
    void carteChoisie(const Carte& carte, int idDemande) override;
    void atoutChoisi(StatusAtout status) override;
    void distributionDemandee() override;
    void tasConfirme() override;
    void annoncesVues() override;
    void envoieMessage(const std::string& texte) override;

    // A chat line of another player, shown on the panel.
    void afficheMessage(const std::string& texte) override;

private:
    void carteLachee();
    void informationCarte(const Carte* carte);

    std::unique_ptr<Minuterie> timerFin_;
    TasCentral& panelTasCentral_;
    const TypeDePartie& typeDePartie_;
    const ArbitreDeLaTable& table_;
};
