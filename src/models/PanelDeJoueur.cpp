#include "models/PanelDeJoueur.h"

#include <algorithm>
#include <array>

#include "platform/Assertion.h"
#include "platform/TableDesTextes.h"
#include "rules/OptionsDuJoueur.h"
#include "models/DimensionsCarte.h"

namespace {

// One pixel less than the information list of 148 would give: the user's panel and the one
// under it then meet without overlapping at every height of the table.
constexpr int HAUTEUR_COMPLET = 376;
constexpr int HAUTEUR_SIMPLE = 178;
constexpr int MARGE_COLONNE = 8;
constexpr int HAUTEUR_NOM = 14;
constexpr int HAUTEUR_ZONE_ATOUT = 49;
constexpr int HAUTEUR_ZONE_CARTES = 129;
constexpr int HAUTEUR_ZONE_ACTION = 49;
constexpr int HAUTEUR_INFORMATION = 147;
// Wide enough for "Distribuer" and "Verteilen" in bold at the smallest scale of the table.
constexpr int LARGEUR_BOUTON_ACTION = 84;
constexpr int HAUTEUR_BOUTON_ACTION = 25;
// In the upper panels the trump buttons sit under the name's row; in the lower ones the name
// lies under the hand, and the buttons keep the top of their area.
constexpr int TOP_BOUTONS_ATOUT_HAUT = 15;
constexpr int TOP_BOUTONS_ATOUT_BAS = 8;
constexpr int TOP_NOM_HAUT = 1;
// The hand's cards end 114 pixels down their area; the name's row follows them.
constexpr int TOP_NOM_BAS = PanelDeJoueur::TOP_CARTE + HAUTEUR_CARTE + 1;
// A hand spreads over its area so that each card shows its index and a good part of its picture,
// up to this much of the card's width.
constexpr int ECART_CARTES_MAX = LARGEUR_CARTE * 6 / 10;
constexpr int NB_CARTES_MAIN = 9;
// Shown melds stand out towards the middle of the table: down in the upper panels, up in the
// lower ones.
constexpr int TOP_ANNONCE_HAUT = 27;
constexpr int TOP_ANNONCE_BAS = 9;
constexpr int MARGE_ANNONCES = 8;
constexpr int ECART_ANNONCES = 8;

// The automatic confirmations wait about as long as a player glances at what the click takes
// away: a trick, the melds, and the four hands of the deal that ended.
constexpr int PAUSE_RAMASSE_MS = 1200;
constexpr int PAUSE_ANNONCES_MS = 2500;
constexpr int PAUSE_DISTRIBUE_MS = 6000;

constexpr int ID_DISTRIBUER = 2560;
constexpr int ID_OK_RAMASSE = 2561;
constexpr int ID_CONSEIL_CARTES = 2562;
constexpr int ID_CHIBRE = 2563;
constexpr int ID_PAGE_INFORMATION = 2564;
constexpr int ID_PAGE_CHAT = 2565;
constexpr int ID_OK_ANNONCES = 2566;

// Seats 0 and 3 sit at the top of the window, 2 and 3 on its right.
bool estEnHaut(int noJoueur) { return noJoueur == 0 || noJoueur == 3; }
bool estADroite(int noJoueur) { return noJoueur == 2 || noJoueur == 3; }

}  // namespace

PanelDeJoueur::PanelDeJoueur(const std::string& nom, int noJoueur, int race, bool distant, ReponsesDuPanel* joueur,
                             const TypeDePartie& typeDePartie, bool reseau)
    : nom_(nom),
      noJoueur_(noJoueur),
      distant_(distant),
      complet_(race == OptionsDuJoueur::Humain && !distant),
      reseau_(reseau),
      joueur_(joueur),
      typeDePartie_(typeDePartie),
      idLegendeAction_(ID_DISTRIBUER),
      timerCartes_([this] { rafraichit(); }),
      timerAtout_([this] { rafraichit(); }),
      timerAction_([this] { rafraichit(); }) {
    TW_ASSERT(noJoueur_ < 4 && noJoueur_ >= 0, "PanelDeJoueur");
    creeBoutonsAtout();
}

// ---- Layout ----

void PanelDeJoueur::place(int largeurParent, int hauteurParent) {
    const int a = largeurParent / 3;
    const int largeur = a - 16;
    const int hauteur = complet_ ? HAUTEUR_COMPLET : HAUTEUR_SIMPLE;
    const int largeurAvant = rectZoneCartes_.width;
    rect_ = {estADroite(noJoueur_) ? largeurParent - largeur - MARGE_COLONNE : MARGE_COLONNE,
             estEnHaut(noJoueur_) ? 0 : hauteurParent - hauteur, largeur, hauteur};

    int topAtout = 0, topCartes = 0, topAction = 0, topInformation = 0;
    if (estEnHaut(noJoueur_)) {
        topAtout = 0;
        topCartes = topAtout + HAUTEUR_ZONE_ATOUT;
        topAction = topCartes + HAUTEUR_ZONE_CARTES;
        topInformation = topAction + HAUTEUR_ZONE_ACTION + 2;
    } else {
        topInformation = 2;
        topAction = complet_ ? topInformation + HAUTEUR_INFORMATION : 0;
        topCartes = complet_ ? topAction + HAUTEUR_ZONE_ACTION : 0;
        topAtout = topCartes + HAUTEUR_ZONE_CARTES;
    }
    rectNom_ = {2, estEnHaut(noJoueur_) ? TOP_NOM_HAUT : topCartes + TOP_NOM_BAS, a - 20, HAUTEUR_NOM};
    rectZoneAtout_ = {0, topAtout, largeur, HAUTEUR_ZONE_ATOUT};
    rectZoneCartes_ = {0, topCartes, largeur, HAUTEUR_ZONE_CARTES};
    if (complet_) {
        rectZoneAction_ = {0, topAction, largeur, HAUTEUR_ZONE_ACTION};
        rectBoutonAction_ = {(largeur - LARGEUR_BOUTON_ACTION) / 2, (HAUTEUR_ZONE_ACTION - HAUTEUR_BOUTON_ACTION) / 2,
                             LARGEUR_BOUTON_ACTION, HAUTEUR_BOUTON_ACTION};
        rectInformation_ = {0, topInformation, largeur, HAUTEUR_INFORMATION};
    }
    placeBoutonsAtout();
    const int ecartAvant = ecart_;
    ecart_ = std::clamp((largeur - LARGEUR_CARTE - 2 * MARGE_ANNONCES - 2 * ECART_ANNONCES) / (NB_CARTES_MAIN - 1),
                        ECART_CARTES, ECART_CARTES_MAX);
    if (rectZoneCartes_.width != largeurAvant || ecart_ != ecartAvant) disposeCartes();
    rafraichit();
}

void PanelDeJoueur::creeBoutonsAtout() {
    for (int mode = 1; mode <= typeDePartie_.getNbAtoutsPossibles(); ++mode) {
        const Atout atout = static_cast<Atout>(mode);
        BoutonAtout bouton;
        bouton.tag = mode;
        bouton.image = std::to_string(mode) + "_btn.bmp";
        bouton.conseil = nomAtout(atout) + " x" + std::to_string(typeDePartie_.getMultiplicateur(atout));
        if (!estModeCouleur(atout)) bouton.conseil += ", " + typeDePartie_.getRemarque();
        boutonsAtout_.push_back(bouton);
    }
    boutonChibre_.tag = 0;
    boutonChibre_.legende = texte(ID_CHIBRE);
}

// The row of mode buttons is centred, with the chibre button under it just as wide.
void PanelDeJoueur::placeBoutonsAtout() {
    const int largeurRangee = COTE_BOUTON_ATOUT * static_cast<int>(boutonsAtout_.size());
    const int gauche = (rectZoneAtout_.width - largeurRangee) / 2;
    const int top = estEnHaut(noJoueur_) ? TOP_BOUTONS_ATOUT_HAUT : TOP_BOUTONS_ATOUT_BAS;
    for (std::size_t i = 0; i < boutonsAtout_.size(); ++i)
        boutonsAtout_[i].rect = {gauche + COTE_BOUTON_ATOUT * static_cast<int>(i), top, COTE_BOUTON_ATOUT,
                                 COTE_BOUTON_ATOUT};
    boutonChibre_.rect = {gauche, top + COTE_BOUTON_ATOUT, largeurRangee, COTE_BOUTON_ATOUT};
}

// ---- The hand ----

void PanelDeJoueur::afficheCartes(const CarteSet& cartes, bool cachees) {
    cartes_.clear();
    carteSelectionnee_ = nullptr;
    const int nbCartes = static_cast<int>(cartes.size()) + NB_NON_CARTE;
    TW_ASSERT(nbCartes < 10+NB_NON_CARTE, "PanelDeJoueur");
    for (const Carte& carte : cartes) cartes_.push_back({&carte, 0, TOP_CARTE, complet_ || !cachees});
    disposeCartes();
    rafraichit();
}

// The hand is centred in the area, each card ecart() pixels right of the one before it; a raised
// card stays raised.
void PanelDeJoueur::disposeCartes() {
    const int c = static_cast<int>(cartes_.size()) + NB_NON_CARTE;
    if (c < 2) return;
    const int x0 = (rectZoneCartes_.width - ecart_ * c - LARGEUR_CARTE + 2 * ecart_) / 2;
    for (std::size_t i = 0; i < cartes_.size(); ++i) {
        cartes_[i].left = x0 + ecart_ * static_cast<int>(i);
        cartes_[i].top = cartes_[i].carte == carteSelectionnee_ ? TOP_CARTE_LEVEE : TOP_CARTE;
    }
}

void PanelDeJoueur::montreFaces() {
    for (CartePlacee& p : cartes_) p.faceVisible = true;
    rafraichit();
}

void PanelDeJoueur::retireCarte(const Carte& carte) {
    std::erase_if(cartes_, [&](const CartePlacee& p) { return p.carte == &carte; });
    if (carteSelectionnee_ == &carte) carteSelectionnee_ = nullptr;
    disposeCartes();
    rafraichit();
}

CarteSet PanelDeJoueur::cartes() const {
    CarteSet main;
    for (const CartePlacee& p : cartes_) main.insert(*p.carte);
    return main;
}

std::string PanelDeJoueur::conseilZoneCartes() { return texte(ID_CONSEIL_CARTES); }

void PanelDeJoueur::attendCarte(int id) {
    idDemandeCarte_ = id;
    zoneCartesActive_ = true;
    rafraichit();
}

// Another computer's seat does not blink: nobody here can answer for it.
void PanelDeJoueur::signaleCartes() { timerCartes_.demarre(!distant_); }

void PanelDeJoueur::arreteCartes() { timerCartes_.arrete(); }

// ---- Choosing a card with the mouse ----

// The card area only gets the mouse while it waits for a card: the table judges cards only in
// the states of a trick.
void PanelDeJoueur::survole(int x, int y) {
    if (!complet_ || !zoneCartesActive_ || joueur_ == nullptr) return;
    const Carte* carte = carteSous(x, y);
    if (carte == carteSelectionnee_) return;
    abaisseSelection();
    if (carte != nullptr) explique(*carte, joueur_->carteJouable(*carte));
    rafraichit();
}

// The card's information and the verdict's reasons; an accepted card rises, ready to be played.
void PanelDeJoueur::explique(const Carte& carte, StatusCarteJouee verdict) {
    lignesInformation_.clear();
    lignesInformation_.push_back(carte.texteInformation(atoutAffiche_));
    ajouteExplication(verdict, lignesInformation_);
    if (!CarteEstAcceptee(verdict)) return;
    trouvePlacee(carte)->top = TOP_CARTE_LEVEE;
    carteSelectionnee_ = &carte;
}

// ---- Choosing a card with the keyboard ----

// The arrows go from card to card among those the table accepts, round the hand; refused cards
// are passed over, as a player would not stop on them.
void PanelDeJoueur::choisitCarteVoisine(int sens) {
    if (!complet_ || !zoneCartesActive_ || joueur_ == nullptr || cartes_.empty()) return;
    const int n = static_cast<int>(cartes_.size());
    int depart = sens > 0 ? -1 : n;
    for (int i = 0; i < n; ++i)
        if (cartes_[i].carte == carteSelectionnee_) depart = i;
    for (int pas = 1; pas <= n; ++pas) {
        const Carte& carte = *cartes_[((depart + sens * pas) % n + n) % n].carte;
        if (&carte == carteSelectionnee_) return;
        const StatusCarteJouee verdict = joueur_->carteJouable(carte);
        if (!CarteEstAcceptee(verdict)) continue;
        abaisseSelection();
        explique(carte, verdict);
        rafraichit();
        return;
    }
}

void PanelDeJoueur::valideAuClavier() {
    if (zoneCartesActive_ && carteSelectionnee_ != nullptr) {
        joueCarteSelectionnee();
        return;
    }
    cliqueAction();
}

// The frontmost card across the pointer. Below the bottom of a raised card nothing counts, so
// that the raised card and the lowered ones answer to the same band.
const Carte* PanelDeJoueur::carteSous(int x, int y) const {
    if (y >= TOP_CARTE_LEVEE + HAUTEUR_CARTE) return nullptr;
    const auto it = std::find_if(cartes_.rbegin(), cartes_.rend(), [x](const CartePlacee& p) {
        return x >= p.left && x < p.left + LARGEUR_CARTE;
    });
    return it == cartes_.rend() ? nullptr : it->carte;
}

PanelDeJoueur::CartePlacee* PanelDeJoueur::trouvePlacee(const Carte& carte) {
    const auto it = std::find_if(cartes_.begin(), cartes_.end(), [&](const CartePlacee& p) { return p.carte == &carte; });
    return it == cartes_.end() ? nullptr : &*it;
}

void PanelDeJoueur::abaisseSelection() {
    if (carteSelectionnee_ == nullptr) return;
    if (CartePlacee* p = trouvePlacee(*carteSelectionnee_)) p->top = TOP_CARTE;
    carteSelectionnee_ = nullptr;
}

void PanelDeJoueur::doubleClic() {
    if (!zoneCartesActive_) return;
    joueCarteSelectionnee();
}

bool PanelDeJoueur::peutGlisser() const { return zoneCartesActive_ && carteSelectionnee_ != nullptr; }

void PanelDeJoueur::lache() { joueCarteSelectionnee(); }

const Carte* PanelDeJoueur::joueCarteSelectionnee() {
    const Carte* carte = carteSelectionnee_;
    if (carte == nullptr || joueur_ == nullptr) return nullptr;
    abaisseSelection();
    zoneCartesActive_ = false;
    lignesInformation_.clear();
    rafraichit();
    joueur_->carteChoisie(*carte, idDemandeCarte_);
    return carte;
}

// ---- Trump ----

void PanelDeJoueur::attendAtout(bool chibrePermis, int id) {
    idDemandeAtout_ = id;
    atoutAttendu_ = true;
    zoneAtoutActive_ = true;
    boutonChibre_.actif = chibrePermis;
    rafraichit();
}

void PanelDeJoueur::afficheBoutons() {
    zoneAtoutVisible_ = true;
    timerAtout_.demarre(!distant_);
    rafraichit();
}

void PanelDeJoueur::cacheBoutons() {
    zoneAtoutVisible_ = false;
    timerAtout_.arrete();
    rafraichit();
}

// A chibre leaves the area enabled, as the partner's choice is still to come; a chosen mode
// closes it.
void PanelDeJoueur::afficheAtout(const StatusAtout& statusAtout) {
    for (BoutonAtout& bouton : boutonsAtout_) bouton.enfonce = false;
    boutonChibre_.enfonce = false;
    boutonChibre_.actif = true;
    // The partner's choice after a chibre carries the chibre too: his panel shows only the mode.
    if (statusAtout.estChibre && !statusAtout.estChoisi) boutonChibre_.enfonce = true;
    if (statusAtout.estChoisi) {
        for (BoutonAtout& bouton : boutonsAtout_) bouton.enfonce = bouton.tag == valeur(statusAtout.atout);
        zoneAtoutActive_ = false;
    }
    zoneAtoutVisible_ = statusAtout.estChibre || statusAtout.estChoisi;
    rafraichit();
}

void PanelDeJoueur::cliqueAtout(Atout atout) {
    const auto it = std::find_if(boutonsAtout_.begin(), boutonsAtout_.end(),
                                 [&](const BoutonAtout& bouton) { return bouton.tag == valeur(atout); });
    if (it == boutonsAtout_.end()) return;
    StatusAtout status;
    status.estChoisi = true;
    status.atout = atout;
    repondAtout(status);
}

void PanelDeJoueur::cliqueChibre() {
    if (!boutonChibre_.actif) return;
    StatusAtout status;
    status.estChibre = true;
    repondAtout(status);
}

// The area stays enabled after a chibre; without the pending request a later click would answer
// whatever request the player then waits for with a trump choice.
void PanelDeJoueur::repondAtout(const StatusAtout& status) {
    if (!atoutAttendu_ || !zoneAtoutVisible_ || !zoneAtoutActive_ || joueur_ == nullptr) return;
    atoutAttendu_ = false;
    for (BoutonAtout& bouton : boutonsAtout_) bouton.enfonce = status.estChoisi && bouton.tag == valeur(status.atout);
    boutonChibre_.enfonce = status.estChibre && !status.estChoisi;
    rafraichit();
    joueur_->atoutChoisi(status);
}

// ---- Action button ----

void PanelDeJoueur::attendDistribue(int id) {
    if (!complet_) return;
    if (boutonActionActif_) assertion::echoue("boutonAction_->Enabled == false", "PanelDeJoueur", __LINE__);
    arme(Action::Distribue, ID_DISTRIBUER, idDemandeDistribue_, id);
}

void PanelDeJoueur::attendRamasse(int id) {
    if (!complet_) return;
    arme(Action::Ramasse, ID_OK_RAMASSE, idDemandeRamasseOuConfirme_, id);
}

void PanelDeJoueur::attendConfirmationAnnonces(int id) {
    if (!complet_) return;
    arme(Action::ConfirmeAnnonces, ID_OK_ANNONCES, idDemandeRamasseOuConfirme_, id);
}

void PanelDeJoueur::arme(Action action, int idLegende, int& idDemande, int id) {
    idDemande = id;
    action_ = action;
    idLegendeAction_ = idLegende;
    boutonActionActif_ = true;
    zoneActionActive_ = true;
    timerAction_.demarre(true);
    if (confirmationAutomatique_) minuterieConfirmation_->demarre(pauseAvantConfirmation(action), false);
    rafraichit();
}

void PanelDeJoueur::setConfirmationAutomatique(bool active) {
    if (!complet_ || active == confirmationAutomatique_) return;
    confirmationAutomatique_ = active;
    if (!minuterieConfirmation_)
        minuterieConfirmation_ = Plateforme::courante().creeMinuterie([this] { confirmeAutomatiquement(); });
    if (!active)
        minuterieConfirmation_->arrete();
    else if (boutonActionActif_ && zoneActionActive_)
        minuterieConfirmation_->demarre(pauseAvantConfirmation(action_), false);
}

void PanelDeJoueur::retientConfirmation(bool retenue) {
    if (retenue == confirmationRetenue_) return;
    confirmationRetenue_ = retenue;
    if (!retenue && confirmationAutomatique_ && boutonActionActif_ && zoneActionActive_)
        minuterieConfirmation_->demarre(pauseAvantConfirmation(action_), false);
}

int PanelDeJoueur::pauseAvantConfirmation(Action action) {
    switch (action) {
        case Action::Ramasse: return PAUSE_RAMASSE_MS;
        case Action::ConfirmeAnnonces: return PAUSE_ANNONCES_MS;
        case Action::Distribue: break;
    }
    return PAUSE_DISTRIBUE_MS;
}

// The user may have clicked in the meantime, or switched the choice off: only a button still
// waiting for him is clicked. A held confirmation is clicked after the pause that follows its release.
void PanelDeJoueur::confirmeAutomatiquement() {
    minuterieConfirmation_->arrete();
    if (confirmationAutomatique_ && !confirmationRetenue_) cliqueAction();
}

void PanelDeJoueur::desarmeAction() {
    if (!complet_) return;
    timerAction_.arrete();
    if (minuterieConfirmation_) minuterieConfirmation_->arrete();
    boutonActionActif_ = false;
    zoneActionActive_ = false;
    rafraichit();
}

std::string PanelDeJoueur::legendeAction() const { return texte(idLegendeAction_); }

void PanelDeJoueur::cliqueAction() {
    if (!boutonActionActif_ || !zoneActionActive_ || joueur_ == nullptr) return;
    switch (action_) {
        case Action::Distribue: joueur_->distributionDemandee(); return;
        case Action::Ramasse: joueur_->tasConfirme(); return;
        case Action::ConfirmeAnnonces: joueur_->annoncesVues(); return;
    }
}

// ---- Melds ----

// Upper-left and lower-left panels (seats 0 and 1) lay the melds out from their right edge,
// the others from their left edge, so that the melds of all four seats face the table's middle.
void PanelDeJoueur::afficheAnnonces(const Annonces& annonce) {
    const std::array<const Annonce*, 3> emplacements{&annonce.getAnnoncePrincipale(), &annonce.getAnnonce2(),
                                                     &annonce.getAnnonce3()};
    const bool depuisLaDroite = noJoueur_ == 0 || noJoueur_ == 1;
    const int topMontree = estEnHaut(noJoueur_) ? TOP_ANNONCE_HAUT : TOP_ANNONCE_BAS;
    const std::array<int, 3> ordre = depuisLaDroite ? std::array<int, 3>{2, 1, 0} : std::array<int, 3>{0, 1, 2};
    int totalCartes = 0;
    int cartesAvant = 0;
    for (const int k : ordre) {
        const Annonce& meld = *emplacements[k];
        const int decalage = ECART_ANNONCES * k + ecart_ * cartesAvant;
        for (int j = 0; j < meld.getNbCartes(); ++j) {
            Carte::Couleur couleur = Carte::PasDeCouleur;
            Carte::Position position = Carte::PasDePosition;
            if (!meld.getCarte(j, couleur, position)) continue;
            const auto it = std::find_if(cartes_.begin(), cartes_.end(), [&](const CartePlacee& p) {
                return p.carte->getCouleur() == couleur && p.carte->getPosition() == position;
            });
            if (it == cartes_.end()) continue;
            ++totalCartes;
            CartePlacee montree = *it;
            cartes_.erase(it);
            if (montree.faceVisible) {
                montree.top = TOP_CARTE_LEVEE;
            } else {
                const int offset = decalage + ecart_ * j;
                montree.faceVisible = true;
                montree.top = topMontree;
                montree.left = depuisLaDroite ? rectZoneCartes_.width - MARGE_ANNONCES - LARGEUR_CARTE - offset
                                              : MARGE_ANNONCES + offset;
            }
            cartes_.push_back(montree);
        }
        cartesAvant += meld.getNbCartes();
    }
    TW_ASSERT(totalCartes == annonce.getAnnonce3().getNbCartes() + annonce.getAnnonce2().getNbCartes() + annonce.getAnnoncePrincipale().getNbCartes(), "PanelDeJoueur");
    TW_ASSERT(totalCartes >= 0 && totalCartes <= 9, "PanelDeJoueur");
    rafraichit();
}

// ---- Information and chat ----

void PanelDeJoueur::rafraichit() const {
    if (changement) changement();
}

void PanelDeJoueur::ajouteMessage(const std::string& texte) {
    lignesChat_.push_back(texte);
    rafraichit();
}

bool PanelDeJoueur::envoieChat(const std::string& texte) {
    if (texte.empty() || joueur_ == nullptr) return false;
    joueur_->envoieMessage(texte);
    return true;
}

std::string PanelDeJoueur::legendePageInformation() { return texte(ID_PAGE_INFORMATION); }

std::string PanelDeJoueur::legendePageChat() { return texte(ID_PAGE_CHAT); }
