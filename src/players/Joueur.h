#pragma once

#include <memory>
#include <string>

#include "rules/OptionsDuJoueur.h"
#include "models/PanelDeJoueur.h"
#include "players/ArbitreDeLaTable.h"
#include "rules/OptionsDuJoueur.h"
#include "rules/Annonces.h"
#include "rules/Atout.h"
#include "rules/CarteSet.h"
#include "rules/Partie.h"
#include "rules/StatusAtout.h"
#include "events/InfoDemande.h"
#include "events/TypeEvenement.h"
#include "rules/Siege.h"

class JeuDeCartes;
class KnuthRandom;
class ListeDesEvenements;
class ReponsesDuPanel;
class TasCentral;
class TypeDePartie;

// What the table gives every player it creates.
struct ContexteJoueur {
    const JeuDeCartes& jeu;
    KnuthRandom& generateurDeLaTable;
    OptionsDuJoueur options;
    ListeDesEvenements& liste;
    int noJoueur;
    const TypeDePartie& typeDePartie;
    bool reseau;
    bool montreTout;
    const ArbitreDeLaTable& table;
    TasCentral& tasCentral;
};

// The player of one seat. The table asks it to act with a request; the player remembers the
// request's number and answers, now or later, by adding the matching game event to the event
// list. Subclasses only decide: the user through his panel, a remote player not at all, the
// computer players by their own reasoning. The player owns its panel, where its hand lives.
class Joueur {
public:
    explicit Joueur(const ContexteJoueur& contexte, ReponsesDuPanel* reponses = nullptr);
    virtual ~Joueur();
    Joueur(const Joueur&) = delete;
    Joueur& operator=(const Joueur&) = delete;

    // Decisions and information, in the order the table uses them.
    virtual void choisitAtout(StatusAtout status, CarteSet main) = 0;
    virtual void annonce(CarteSet main) = 0;
    virtual void choisitCarte(const Partie& partie, int premierJoueur, CarteSet main) = 0;
    virtual void distribue() = 0;
    virtual void finDePartie(bool gagne, bool egalite) = 0;
    virtual void ramasseTas() = 0;
    virtual void confirmeAnnonces() = 0;
    virtual void montreCartes() = 0;
    virtual void cacheCartes() = 0;
    virtual void carteJouee(const Carte& carte, const Partie& partie) = 0;
    virtual void annonceFaite(int noJoueur, const Annonces& annonces) = 0;
    virtual void mainDeJoueur(CarteSet main, int noJoueur) = 0;
    virtual void recoitCartes(CarteSet main) = 0;
    // A chat line of another player; only the user's panel shows it.
    virtual void afficheMessage(const std::string&) {}

    // Requests of the table. In a replay the player only pauses: the answer comes from the file.
    void demandeChoixAtout(StatusAtout status, const InfoDemande& demande);
    void demandeAnnonce(const InfoDemande& demande);
    void demandeCarte(const Partie& partie, int premierJoueur, const InfoDemande& demande);
    virtual void demandeDistribue(const InfoDemande& demande);
    void demandeFinDePartie(bool gagne, bool egalite, const InfoDemande& demande);
    void demandeRamasseTas(const InfoDemande& demande);
    void demandeConfirmationAnnonces(const InfoDemande& demande);

    // Answers: the panel step, then the event with this seat as actor and the given number.
    // The table also calls them when it consumes this seat's event, so every player's panel
    // follows the game; the event built again is then a duplicate the list drops.
    void choixAtoutFait(const StatusAtout& status, int numero);
    void annoncesFaites(const Annonces& annonces, int numero);
    void annoncesConfirmees(int numero);
    void cartePosee(const Carte& carte, int numero);
    void distributionConfirmee(int numero);
    void tasRamasse(int numero);
    void finDePartieConfirmee(int numero);

    // Information from the table.
    void donneCartes(CarteSet main);
    void informeMain(CarteSet main, int noJoueur) { mainDeJoueur(main, noJoueur); }
    void setAtout(Atout atout) {
        atoutDeLaDonne_ = atout;
        panelDuJoueur_->setAtoutAffiche(Partie::atoutDuPremierPli(atout));
    }
    void informeCarteJouee(const Carte& carte, const Partie& partie);
    void informeAnnonce(int noJoueur, const Annonces& annonces) { annonceFaite(noJoueur, annonces); }
    void montreAnnonces(const Annonces& annonces);
    void reafficheMain();
    void montreTout();
    void cacheTout();

    int identification() const { return noJoueur_; }
    int partenaire() const { return siege::partenaire(noJoueur_); }
    std::string nom() const { return options_.nom(); }
    bool estLocal() const { return !options_.estDistant(); }
    const OptionsDuJoueur& options() const { return options_; }
    int noDemande() const { return noDemande_; }
    Atout atoutDeLaDonne() const { return atoutDeLaDonne_; }
    // The hand: the cards the panel holds.
    CarteSet getMain() const;
    PanelDeJoueur& panel() { return *panelDuJoueur_; }
    const PanelDeJoueur& panel() const { return *panelDuJoueur_; }

protected:
    // Replay pause: a film lets the user follow (long before a decision, short before an
    // acknowledgement); a quick load does not wait.
    static void pause(bool afficher, bool courte);
    void ajouteEvenement(TypeEvenement type, const std::string& donnees, int numero);

    const int noJoueur_;
    const JeuDeCartes& jeuDeCartes_;
    const OptionsDuJoueur options_;
    int noDemande_ = -1;
    Atout atoutDeLaDonne_ = Atout::Invalide;
    ListeDesEvenements& listeDesEvenements_;
    std::unique_ptr<PanelDeJoueur> panelDuJoueur_;
};
