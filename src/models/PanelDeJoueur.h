#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Plateforme.h"
#include "models/PanelTimer.h"
#include "models/ReponsesDuPanel.h"
#include "rules/Annonces.h"
#include "rules/Atout.h"
#include "rules/Carte.h"
#include "rules/CarteSet.h"
#include "rules/StatusAtout.h"
#include "rules/TypeDePartie.h"

// One seat's panel in a corner of the table: the player's name, his hand, the row of trump
// buttons and his melds; for the user at this computer also the action button, the information
// list on the card under the mouse and, in a network game, the chat. The hand of a player is the
// set of cards lying in his panel's card area.
//
// A plain model: the view draws what it holds (all positions in pixels, each relative to the
// area that holds it) and calls the user actions below; `changement` tells it to redraw.
class PanelDeJoueur {
public:
    // The card area holds one control besides the cards, which the layout counts.
    static constexpr int NB_NON_CARTE = 1;
    static constexpr int TOP_CARTE = 18;
    static constexpr int TOP_CARTE_LEVEE = 9;
    static constexpr int ECART_CARTES = 12;
    static constexpr int COTE_BOUTON_ATOUT = 17;

    struct Rectangle {
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
        bool operator==(const Rectangle&) const = default;
    };

    struct CartePlacee {
        const Carte* carte;
        int left;
        int top;
        bool faceVisible;
    };

    // A toggle button of the trump area. Its tag is the mode value, 0 for the chibre button.
    struct BoutonAtout {
        int tag = 0;
        std::string image;    // "5_btn.bmp", in the card style's folder; none for chibre
        std::string legende;  // "&Chibre"; none for the mode buttons, which show their picture
        std::string conseil;  // the hint: "De haut en bas x3, chaque huit vaut huit points"
        Rectangle rect;       // within the trump area
        bool enfonce = false;
        bool actif = true;    // the button itself; the whole area has its own flag
    };

    // What a click on the action button answers.
    enum class Action { Distribue, Ramasse, ConfirmeAnnonces };

    // joueur answers the user's actions; none for the panel of a player who is not the user.
    PanelDeJoueur(const std::string& nom, int noJoueur, int race, bool distant, ReponsesDuPanel* joueur,
                  const TypeDePartie& typeDePartie, bool reseau);
    PanelDeJoueur(const PanelDeJoueur&) = delete;
    PanelDeJoueur& operator=(const PanelDeJoueur&) = delete;

    const std::string& nom() const { return nom_; }
    int noJoueur() const { return noJoueur_; }
    // The user's own panel: with action area and information list.
    bool estComplet() const { return complet_; }
    // With the chat page beside the information list.
    bool estEnReseau() const { return reseau_; }

    // Layout for the table's playing area, a third of whose width each panel column takes.
    // Re-lays the hand out when the card area's width changes.
    void place(int largeurParent, int hauteurParent);
    const Rectangle& rect() const { return rect_; }  // within the playing area
    const Rectangle& rectNom() const { return rectNom_; }
    const Rectangle& rectZoneAtout() const { return rectZoneAtout_; }
    const Rectangle& rectZoneCartes() const { return rectZoneCartes_; }
    // Empty on a panel that is not complete.
    const Rectangle& rectZoneAction() const { return rectZoneAction_; }
    const Rectangle& rectBoutonAction() const { return rectBoutonAction_; }  // within the action area
    // The information list, or in a network game the pages of information and chat.
    const Rectangle& rectInformation() const { return rectInformation_; }

    // The hand.
    void afficheCartes(const CarteSet& cartes, bool cachees);
    void reaffiche(bool cachees) { afficheCartes(cartes(), cachees); }
    // Every card of the hand face up, where it lies (the debug view of all hands).
    void montreFaces();
    // The card leaves the hand for the central pile; the others close up around the middle.
    void retireCarte(const Carte& carte);
    // How far apart the cards of a hand lie: wider areas spread them more.
    int ecart() const { return ecart_; }
    CarteSet cartes() const;
    // In area order, which is also the drawing order: each card lies in front of those before it.
    const std::vector<CartePlacee>& cartesPlacees() const { return cartes_; }
    bool zoneCartesActive() const { return zoneCartesActive_; }
    const Carte* carteSelectionnee() const { return carteSelectionnee_; }
    static std::string conseilZoneCartes();

    void attendCarte(int id);
    void signaleCartes();
    void arreteCartes();

    // The mode whose points and strengths the information on a card explains; the player sets it
    // when the table tells the deal's mode.
    void setAtoutAffiche(Atout atout) { atoutAffiche_ = atout; }
    Atout atoutAffiche() const { return atoutAffiche_; }

    // User actions on the card area, which reacts only while it waits for a card.
    // (x, y): the pointer within the card area.
    void survole(int x, int y);
    void doubleClic();
    // The keyboard: the arrows raise the next card to the right (sens 1) or left (-1) that may be
    // played; Enter plays the raised card, or else answers the action button.
    void choisitCarteVoisine(int sens);
    void valideAuClavier();
    // Whether pressing the button now starts dragging the raised card.
    bool peutGlisser() const;
    // The dragged card was dropped on the central pile.
    void lache();
    // Plays the raised card: hands it to the player with the card request and returns it; none
    // (and nothing happens) when no card is raised.
    const Carte* joueCarteSelectionnee();

    // The trump area.
    void attendAtout(bool chibrePermis, int id);
    void afficheBoutons();
    void cacheBoutons();
    void afficheAtout(const StatusAtout& statusAtout);
    const std::vector<BoutonAtout>& boutonsAtout() const { return boutonsAtout_; }
    const BoutonAtout& boutonChibre() const { return boutonChibre_; }
    bool zoneAtoutVisible() const { return zoneAtoutVisible_; }
    bool zoneAtoutActive() const { return zoneAtoutActive_; }
    // Whether a trump request waits for a click. After a chibre the area stays open to show it,
    // but the request is answered: clicks then count no more.
    bool atoutAttendu() const { return atoutAttendu_; }
    // User actions on the trump area; a click counts only while a trump request waits for it.
    void cliqueAtout(Atout atout);
    void cliqueChibre();

    // The action area (only on a complete panel).
    void attendDistribue(int id);
    void attendRamasse(int id);
    void attendConfirmationAnnonces(int id);
    void finDistribue() { desarmeAction(); }
    void finRamasse() { desarmeAction(); }
    void finConfirmationAnnonces() { desarmeAction(); }
    int idLegendeAction() const { return idLegendeAction_; }
    std::string legendeAction() const;
    bool boutonActionActif() const { return boutonActionActif_; }
    bool zoneActionActive() const { return zoneActionActive_; }
    void cliqueAction();
    // The user's choice to have the trick collected, the melds and the deal confirmed for him:
    // after a pause long enough to see the trick, the melds or the hands of the deal, the action
    // button is clicked as he would click it. The game's events are the same as with his click.
    void setConfirmationAutomatique(bool active);
    bool confirmationAutomatique() const { return confirmationAutomatique_; }
    // While held (the coach still reviews the deal that ended), the automatic confirmation waits;
    // once let go it clicks after its whole pause, so the user has the time to read the review.
    void retientConfirmation(bool retenue);
    static int pauseAvantConfirmation(Action action);

    // Brings the cards of the melds to the front and face up.
    void afficheAnnonces(const Annonces& annonce);

    // The information list, written by the player too; call rafraichit() after changing it.
    std::vector<std::string>& lignesInformation() { return lignesInformation_; }
    const std::vector<std::string>& lignesInformation() const { return lignesInformation_; }
    void rafraichit() const;

    // The chat (network game).
    void ajouteMessage(const std::string& texte);
    const std::vector<std::string>& lignesChat() const { return lignesChat_; }
    // Enter in the chat line: a non-empty text goes to the player; true when it went, and the
    // view then empties its line.
    bool envoieChat(const std::string& texte);
    static std::string legendePageInformation();
    static std::string legendePageChat();

    // The request identifiers, -1 until a request of that kind arrives.
    int idDemandeCarte() const { return idDemandeCarte_; }
    int idDemandeAtout() const { return idDemandeAtout_; }
    int idDemandeRamasseOuConfirme() const { return idDemandeRamasseOuConfirme_; }
    int idDemandeDistribue() const { return idDemandeDistribue_; }

    const PanelTimer& timerCartes() const { return timerCartes_; }
    const PanelTimer& timerAtout() const { return timerAtout_; }
    const PanelTimer& timerAction() const { return timerAction_; }

    std::function<void()> changement;

private:
    void creeBoutonsAtout();
    void placeBoutonsAtout();
    void disposeCartes();
    void abaisseSelection();
    void explique(const Carte& carte, StatusCarteJouee verdict);
    const Carte* carteSous(int x, int y) const;
    CartePlacee* trouvePlacee(const Carte& carte);
    void arme(Action action, int idLegende, int& idDemande, int id);
    void desarmeAction();
    void confirmeAutomatiquement();
    void repondAtout(const StatusAtout& status);

    std::string nom_;
    int noJoueur_;
    bool distant_;
    bool complet_;
    bool reseau_;
    ReponsesDuPanel* joueur_;
    TypeDePartie typeDePartie_;
    Atout atoutAffiche_ = Atout::Invalide;

    Rectangle rect_;
    Rectangle rectNom_;
    Rectangle rectZoneAtout_;
    Rectangle rectZoneCartes_;
    Rectangle rectZoneAction_;
    Rectangle rectBoutonAction_;
    Rectangle rectInformation_;

    std::vector<CartePlacee> cartes_;
    int ecart_ = ECART_CARTES;
    const Carte* carteSelectionnee_ = nullptr;
    bool zoneCartesActive_ = false;

    std::vector<BoutonAtout> boutonsAtout_;
    BoutonAtout boutonChibre_;
    bool zoneAtoutVisible_ = false;
    bool zoneAtoutActive_ = false;
    bool atoutAttendu_ = false;

    Action action_ = Action::Distribue;
    int idLegendeAction_;
    bool boutonActionActif_ = false;
    bool zoneActionActive_ = false;
    bool confirmationAutomatique_ = false;
    bool confirmationRetenue_ = false;
    std::unique_ptr<Minuterie> minuterieConfirmation_;

    std::vector<std::string> lignesInformation_;
    std::vector<std::string> lignesChat_;

    int idDemandeCarte_ = -1;
    int idDemandeAtout_ = -1;
    int idDemandeRamasseOuConfirme_ = -1;
    int idDemandeDistribue_ = -1;

    PanelTimer timerCartes_;
    PanelTimer timerAtout_;
    PanelTimer timerAction_;
};
