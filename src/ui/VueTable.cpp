#include "ui/VueTable.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QRandomGenerator>
#include <algorithm>
#include <cstdint>
#include <vector>

#include "players/Joueur.h"
#include "models/PanelDeCartesRamassees.h"
#include "table/Table.h"
#include "ui/CoachDeLaDonne.h"
#include "ui/PlateformeQt.h"
#include "ui/SuggestionDuMaitre.h"
#include "ui/Texte.h"
#include "models/HistoriqueDesDonnes.h"
#include "platform/TableDesTextes.h"
#include "ui/VueCartesRamassees.h"
#include "ui/VueMainsDeLaDonne.h"
#include "ui/VuePanelJoueur.h"
#include "ui/VueTasCentral.h"

namespace {

constexpr int HAUTEUR_LIGNE = 15;
constexpr int COTE_TRAME = 128;
constexpr int TOP_ETAT = 4;

enum IdTexte {
    ID_DERNIER_PLI = 3954,
    ID_MAINS_DE_LA_DONNE = 3955,
    ID_POINTS_DE_LA_DONNE = 3956,
    ID_DONNE_ET_JEU_PARFAIT = 3966,
    ID_JEU_PARFAIT_NON_CALCULE = 3967,
    ID_ANALYSE_EN_COURS = 3970,
    ID_ANALYSE_IMPOSSIBLE,
    ID_RIEN_DE_MIEUX,
    ID_PERTES_FACE_AU_MAITRE,
    ID_PERTE,
    ID_CARTE_DU_MAITRE,
    ID_CARTES_NON_JUGEES,
    ID_LE_MAITRE_REFLECHIT,
    ID_LE_MAITRE_JOUERAIT,
};

// The costliest cards the coach lists: more would crowd out the hands.
constexpr std::size_t NB_PERTES_MONTREES = 3;

// All nine tricks played: a game that ended in the middle of a deal has nothing to solve.
bool estEntiere(const HistoriqueDesDonnes::Donne& donne) {
    return donne.plis.size() == 9 && donne.plis.back().gagnant >= 0;
}

// Where the table stands between two deals or after the game, when the deal that ended is over.
bool estEntreLesDonnes(int etat) {
    return (etat >= EvenementDeJeu::AttendEnregistrementSettings && etat <= EvenementDeJeu::AttendDistribue4) ||
           etat >= EvenementDeJeu::Vide_Avant_Fin;
}

// A fine grain laid over the green, so the table reads as cloth rather than as a flat colour.
QPixmap trameDuFeutre() {
    QImage trame(COTE_TRAME, COTE_TRAME, QImage::Format_ARGB32_Premultiplied);
    QRandomGenerator graine(1953);
    for (int y = 0; y < COTE_TRAME; ++y)
        for (int x = 0; x < COTE_TRAME; ++x) {
            const int alpha = static_cast<int>(graine.bounded(18));
            const bool clair = graine.bounded(2) == 0;
            trame.setPixelColor(x, y, clair ? QColor(255, 255, 255, alpha) : QColor(0, 0, 0, alpha));
        }
    return QPixmap::fromImage(trame);
}

// The coach's lines for a deal: its state while it works, then the cards where the user's team
// lost the most against the master's choice.
QStringList lignesDuCoach(const CoachDeLaDonne& coach, int numero, const Table& table) {
    switch (coach.etatCritique(numero)) {
        case CoachDeLaDonne::Etat::Inconnu: return {};
        case CoachDeLaDonne::Etat::EnCours: return {qtexte(ID_ANALYSE_EN_COURS)};
        case CoachDeLaDonne::Etat::Abandonne: return {qtexte(ID_ANALYSE_IMPOSSIBLE)};
        case CoachDeLaDonne::Etat::Connu: break;
    }
    const std::optional<Maitre_Critique::Bilan> bilan = coach.critique(numero);
    if (!bilan) return {};
    QStringList lignes{qtexte(bilan->ecarts.empty() ? ID_RIEN_DE_MIEUX : ID_PERTES_FACE_AU_MAITRE)};
    for (std::size_t k = 0; k < std::min(bilan->ecarts.size(), NB_PERTES_MONTREES); ++k) {
        const Maitre_Critique::Ecart& ecart = bilan->ecarts[k];
        lignes << qtexte(formate(ID_PERTE, ecart.pli, table.nomDuJoueur(ecart.siege), ecart.jouee->getNom(), ecart.perte))
               << qtexte(formate(ID_CARTE_DU_MAITRE, ecart.conseillee->getNom()));
    }
    if (bilan->nonJugees > 0) lignes << qtexte(formate(ID_CARTES_NON_JUGEES, bilan->nonJugees));
    return lignes;
}

QFont policeDesLignes(const Echelle& echelle) {
    QFont police(QStringLiteral("DejaVu Sans Condensed"));
    police.setPixelSize(echelle.police(12));
    return police;
}

// The cards of the deal in the order they were played: the tricks whose four cards are down, then
// those of the trick under way from the seat that led it.
std::vector<std::uint8_t> cartesDansLOrdre(const HistoriqueDesDonnes::Donne& donne, const Partie& partie) {
    std::vector<std::uint8_t> tags;
    const auto ajoute = [&tags](const Carte* carte) {
        if (carte) tags.push_back(static_cast<std::uint8_t>(carte->getTag()));
    };
    const std::size_t plisFinis = std::min<std::size_t>(partie.nbCartesJouees() / 4, donne.plis.size());
    for (std::size_t numero = 0; numero < plisFinis; ++numero)
        for (int k = 0; k < 4; ++k) ajoute(donne.plis[numero].cartes[(donne.plis[numero].premier + k) & 3]);
    for (unsigned k = 0; k < partie.nbCartesJouees() % 4; ++k)
        ajoute(partie.getCarteJoueePar((partie.getJoueurQuiACommence() + static_cast<int>(k)) & 3));
    return tags;
}

}  // namespace

VueTable::VueTable(QWidget* parent) : QWidget(parent), feutre_(trameDuFeutre()) {
    setAutoFillBackground(false);
    setFocusPolicy(Qt::StrongFocus);
    tas_ = new VueTasCentral(this);
    for (int i = 0; i < NB_HISTORIQUE; ++i) {
        auto* label = new QLabel(this);
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        const int alpha = i == 0 ? 255 : 175 - 9 * i;
        label->setStyleSheet(i == 0 ? QStringLiteral("color: #ffffff; font-weight: bold;")
                                    : QStringLiteral("color: rgba(220, 235, 220, %1);").arg(alpha));
        label->setFont(policeDesLignes(echelle_));
        historique_[i] = label;
    }
    labelEtat_ = new QLabel(this);
    labelEtat_->setAlignment(Qt::AlignCenter);
    labelEtat_->setWordWrap(true);
    labelEtat_->setFont(policeDesLignes(echelle_));
    labelEtat_->setStyleSheet(QStringLiteral("color: #ffe680; font-weight: bold;"));
    labelConseil_ = new QLabel(this);
    labelConseil_->setAlignment(Qt::AlignCenter);
    labelConseil_->setWordWrap(true);
    labelConseil_->setFont(policeDesLignes(echelle_));
    labelConseil_->setStyleSheet(QStringLiteral("color: #a8e6ff; font-style: italic;"));
    for (auto& panel : panels_) {
        panel = new VuePanelJoueur(this);
        // The user's hand is asked for a card after the table has told its change.
        connect(panel, &VuePanelJoueur::modeleChange, this, &VueTable::suitSuggestion);
    }
    for (auto& ramassees : ramassees_) {
        ramassees = new VueCartesRamassees(this);
        ramassees->hide();
        connect(ramassees, &VueCartesRamassees::clique, this, &VueTable::montreDernierPli);
    }
    tas_->hide();
    mains_ = new VueMainsDeLaDonne(this);
    mains_->hide();
    coach_ = new CoachDeLaDonne(this);
    connect(coach_, &CoachDeLaDonne::evaluee, this, &VueTable::suitMainsDeLaDonne);
    connect(tas_, &VueTasCentral::pliCache, this, &VueTable::suitMainsDeLaDonne);
    suggestion_ = new SuggestionDuMaitre(this);
    connect(suggestion_, &SuggestionDuMaitre::changement, this, &VueTable::montreSuggestion);
}

VueTable::~VueTable() { setTable(nullptr); }

void VueTable::setTable(Table* table) {
    if (table_) {
        table_->changement = nullptr;
        table_->tasCentral().changement = nullptr;
        for (VuePanelJoueur* panel : panels_) panel->delie();
    }
    table_ = table;
    historiqueLu_ = {0, -1};
    coach_->oublie();
    suggestion_->oublie();
    tas_->setModele(table ? &table->tasCentral() : nullptr);
    for (int equipe = 0; equipe < 2; ++equipe) {
        ramassees_[equipe]->setModele(table ? &table->panelRamassees(equipe) : nullptr);
        ramassees_[equipe]->setVisible(table != nullptr);
    }
    if (table_) {
        table_->changement = [this] { rafraichit(); };
        // The trick's cards leave the pile for a score box, and the scores change with them.
        table_->tasCentral().changement = [this] {
            tas_->rafraichit();
            for (VueCartesRamassees* ramassees : ramassees_) ramassees->update();
        };
    }
    rafraichit();
}

void VueTable::rafraichit() {
    suitPanels();
    labelEtat_->setText(table_ ? qtexte(table_->labelEtat()) : QString());
    for (int i = 0; i < NB_HISTORIQUE; ++i)
        historique_[i]->setText(table_ ? qtexte(table_->labelsHistorique()[i]) : QString());
    tas_->rafraichit();
    suitSuggestion();
    suitMainsDeLaDonne();
    for (VueCartesRamassees* ramassees : ramassees_) ramassees->update();
    emit changement();
}

const HistoriqueDesDonnes& VueTable::historique() {
    if (!table_) {
        donnes_ = HistoriqueDesDonnes();
        return donnes_;
    }
    const std::pair<std::size_t, int> lu{table_->listeDesEvenements().enregistrement().size(), table_->etatJeu()};
    if (lu == historiqueLu_) return donnes_;
    historiqueLu_ = lu;
    std::optional<std::array<std::int32_t, 2>> scoresFinaux;
    if (table_->etatJeu() >= EvenementDeJeu::Vide_Avant_Fin)
        scoresFinaux = std::array<std::int32_t, 2>{table_->scoreEquipe(0), table_->scoreEquipe(1)};
    donnes_.lit(table_->listeDesEvenements().enregistrement(), scoresFinaux);
    return donnes_;
}

bool VueTable::montreDernierPli() {
    if (!table_) return false;
    const HistoriqueDesDonnes::Pli* pli = historique().dernierPliRamasse();
    if (!pli || pli->gagnant < 0) return false;
    tas_->montrePli(*pli, qtexte(formate(ID_DERNIER_PLI, table_->nomDuJoueur(pli->gagnant))));
    suitMainsDeLaDonne();
    return true;
}

void VueTable::suitMainsDeLaDonne() {
    montreMainsDeLaDonne();
    placeMains();
    placeTextes();
}

void VueTable::montreMainsDeLaDonne() {
    // Once the next deal is dealt, the coach's answers could no longer be shown: its work stops
    // and leaves the machine to the players.
    if (table_ && !estEntreLesDonnes(table_->etatJeu())) coach_->oublie();
    const HistoriqueDesDonnes::Donne* donne = nullptr;
    if (table_ && estEntreLesDonnes(table_->etatJeu()) && !tas_->pliMontre())
        donne = historique().derniereDonneTerminee();
    mains_->setVisible(donne != nullptr);
    tas_->setVisible(table_ != nullptr && donne == nullptr);
    if (!donne) {
        retientConfirmations(false);
        return;
    }
    const auto& donnes = historique().donnes();
    const bool derniere = donne == &donnes.back();
    std::array<VueMainsDeLaDonne::Main, 4> mains;
    for (int rang = 0; rang < 4; ++rang) {
        const int siege = VueMainsDeLaDonne::ORDRE_DES_SIEGES[rang];
        VueMainsDeLaDonne::Main& main = mains[rang];
        main.nom = qtexte(table_->nomDuJoueur(siege));
        main.cartes = donne->cartesJouees[siege];
        // A game that ended in the middle of its deal leaves the cards not played in the hands.
        if (Joueur* joueur = table_->getJoueur(siege); derniere && joueur)
            for (const Carte& carte : joueur->panel().cartes()) main.cartes.insert(carte);
        const int equipe = siege::equipe(siege);
        if (rang % 2 == 0)
            main.points = qtexte(formate(ID_POINTS_DE_LA_DONNE, donne->pointsCartes[equipe],
                                         (*donne->points)[equipe] - donne->pointsCartes[equipe]));
    }
    const int numero = static_cast<int>(donne - donnes.data()) + 1;
    if (Joueur* utilisateur = table_->getJoueur(siegeDeLUtilisateur()); estEntiere(*donne) && utilisateur)
        coach_->evalue(numero, *donne, siege::equipe(utilisateur->identification()),
                       table_->optionsDePartie().getTypeDePartie(), utilisateur->options().getDepartAtoutPlusHaut());
    std::string titre = formate(ID_MAINS_DE_LA_DONNE, numero);
    if (const auto parfaits = coach_->resultat(numero))
        titre = formate(ID_DONNE_ET_JEU_PARFAIT, numero, (*parfaits)[0], (*parfaits)[1]);
    else if (coach_->etat(numero) == CoachDeLaDonne::Etat::Abandonne)
        titre = formate(ID_JEU_PARFAIT_NON_CALCULE, numero);
    mains_->montre(qtexte(titre), mains, lignesDuCoach(*coach_, numero, *table_));
    retientConfirmations(coach_->etat(numero) == CoachDeLaDonne::Etat::EnCours ||
                         coach_->etatCritique(numero) == CoachDeLaDonne::Etat::EnCours);
}

// The deal is not confirmed for the user before he could read the coach's answer about it.
void VueTable::retientConfirmations(bool retenues) {
    for (VuePanelJoueur* vue : panels_)
        if (PanelDeJoueur* panel = vue->modele()) panel->retientConfirmation(retenues);
}

// Seat 0 at a local game; a client joining a network game may sit anywhere, and one that only
// follows the game is taken for seat 0.
int VueTable::siegeDeLUtilisateur() const {
    for (int siege = 0; siege < 4; ++siege)
        if (Joueur* joueur = table_->getJoueur(siege);
            joueur && joueur->estLocal() && joueur->options().getRace() == OptionsDuJoueur::Humain)
            return siege;
    return 0;
}

void VueTable::placeMains() {
    const int w = classique_.width();
    const int h = classique_.height();
    const int enPlus = mains_->isVisible() ? mains_->hauteurDuCoach() : 0;
    mains_->place(QRect(w / 3, h / 3 - 30 - enPlus, w / 3, h / 3 + enPlus), echelle_);
}

void VueTable::setConseilsDuMaitre(bool actifs) {
    suggestion_->setActive(actifs);
    suitSuggestion();
}

void VueTable::suitSuggestion() { suggestion_->suit(situationDeLUtilisateur()); }

// A seat of this computer whose hand waits for a card: what its player knows then.
std::optional<SuggestionDuMaitre::Situation> VueTable::situationDeLUtilisateur() {
    if (!table_ || !table_->partie() || !EvenementDeJeu::estEtatCarte(table_->etatJeu())) return std::nullopt;
    const Partie& partie = *table_->partie();
    Joueur* joueur = table_->getJoueur(partie.noDuProchainAJouer());
    if (!joueur || !joueur->panel().estComplet() || !joueur->panel().zoneCartesActive()) return std::nullopt;
    const auto& donnes = historique().donnes();
    if (donnes.empty()) return std::nullopt;
    const HistoriqueDesDonnes::Donne& donne = donnes.back();
    const Maitre_CeQuiAEteVu vu{table_->joueurDoitChoisirAtout(), table_->optionsDePartie().getTypeDePartie(),
                                donne.annoncesMontrees, cartesDansLOrdre(donne, partie)};
    return SuggestionDuMaitre::Situation{{static_cast<int>(donnes.size()), static_cast<int>(partie.nbCartesJouees())},
                                         partie,
                                         joueur->getMain(),
                                         vu,
                                         joueur->options().getDepartAtoutPlusHaut()};
}

// Under the status line and framed in the hand, the texts placed again around the line; then the
// hands of the deal.
void VueTable::montreSuggestion() {
    QString texte;
    if (suggestion_->etat() == SuggestionDuMaitre::Etat::EnCours)
        texte = qtexte(ID_LE_MAITRE_REFLECHIT);
    else if (const Carte* carte = suggestion_->carte())
        texte = qtexte(formate(ID_LE_MAITRE_JOUERAIT, carte->getNom()));
    labelConseil_->setText(texte);
    for (int siege = 0; siege < 4; ++siege)
        panels_[siege]->zoneCartes()->setCarteConseillee(siege == suggestion_->siege() ? suggestion_->carte() : nullptr);
    suitMainsDeLaDonne();
}

void VueTable::setConfirmationAutomatique(bool active) {
    confirmationAutomatique_ = active;
    for (VuePanelJoueur* vue : panels_)
        if (PanelDeJoueur* panel = vue->modele()) panel->setConfirmationAutomatique(active);
}

// Players come and go with the registrations and the starts of the table: a panel is followed
// again when its seat holds another one, or one that nobody follows yet.
void VueTable::suitPanels() {
    for (int siege = 0; siege < 4; ++siege) {
        Joueur* joueur = table_ ? table_->getJoueur(siege) : nullptr;
        PanelDeJoueur* panel = joueur ? &joueur->panel() : nullptr;
        VuePanelJoueur* vue = panels_[siege];
        if (panel == vue->modele() && (!panel || panel->changement)) continue;
        vue->lie(panel);
        vue->place(classique_.width(), classique_.height(), echelle_);
        if (panel) panel->setConfirmationAutomatique(confirmationAutomatique_);
    }
}

void VueTable::rechargeImages() {
    for (VuePanelJoueur* panel : panels_) panel->rechargeImages();
    tas_->update();
    mains_->update();
    for (VueCartesRamassees* ramassees : ramassees_) ramassees->update();
}

void VueTable::resizeEvent(QResizeEvent*) { disposition(); }

void VueTable::keyPressEvent(QKeyEvent* event) {
    PanelDeJoueur* panel = nullptr;
    for (VuePanelJoueur* vue : panels_) {
        PanelDeJoueur* modele = vue->modele();
        if (modele && modele->estComplet() &&
            (modele->zoneCartesActive() || modele->boutonActionActif() || modele->atoutAttendu()))
            panel = modele;
    }
    if (!panel) return QWidget::keyPressEvent(event);
    AppelAuJeu appel;
    const int touche = event->key();
    const auto& boutons = panel->boutonsAtout();
    if (touche == Qt::Key_Left || touche == Qt::Key_Right)
        panel->choisitCarteVoisine(touche == Qt::Key_Right ? 1 : -1);
    else if (touche == Qt::Key_Return || touche == Qt::Key_Enter || touche == Qt::Key_Space)
        panel->valideAuClavier();
    else if (touche == Qt::Key_0)
        panel->cliqueChibre();
    else if (touche >= Qt::Key_1 && touche < Qt::Key_1 + static_cast<int>(boutons.size()))
        panel->cliqueAtout(static_cast<Atout>(boutons[touche - Qt::Key_1].tag));
    else
        return QWidget::keyPressEvent(event);
    event->accept();
}

void VueTable::disposition() {
    echelle_ = Echelle::pour(size());
    classique_ = echelle_.classique(size());
    const int w = classique_.width();
    const int h = classique_.height();
    tas_->place(QRect(w / 3, h / 3 - 30, w / 3, h / 3), echelle_);
    for (QLabel* label : historique_) label->setFont(policeDesLignes(echelle_));
    labelEtat_->setFont(policeDesLignes(echelle_));
    labelConseil_->setFont(policeDesLignes(echelle_));
    for (VuePanelJoueur* panel : panels_) panel->place(w, h, echelle_);
    const int topRamassees = 2 * h / 3 - 30;
    for (VueCartesRamassees* ramassees : ramassees_) ramassees->setEchelle(echelle_);
    ramassees_[1]->move(echelle_.point(w / 3, topRamassees));
    ramassees_[0]->move(echelle_.point(2 * w / 3 - PanelDeCartesRamassees::LARGEUR, topRamassees));
    rafraichit();
}

// Above the pile, or above the hands of the deal with the coach's lines.
QRect VueTable::rectColonne() const {
    const int w = classique_.width();
    const int enPlus = mains_->isVisible() ? mains_->hauteurDuCoach() : 0;
    return echelle_.rect(w / 3, 0, w / 3, classique_.height() / 3 - 30 - enPlus);
}

void VueTable::placeTextes() {
    const QRect colonne = rectColonne();
    const auto hauteurPour = [&](const QLabel* label) {
        if (label->text().isEmpty()) return 0;
        const int texte = label->fontMetrics()
                              .boundingRect(QRect(0, 0, colonne.width(), 10000), Qt::TextWordWrap, label->text())
                              .height();
        return std::max(echelle_.px(HAUTEUR_LIGNE), texte + 1);
    };
    const int hauteurEtat = hauteurPour(labelEtat_);
    labelEtat_->setGeometry(colonne.left(), echelle_.px(TOP_ETAT), colonne.width(), hauteurEtat);
    labelEtat_->setVisible(hauteurEtat > 0);
    const int hauteurConseil = hauteurPour(labelConseil_);
    labelConseil_->setGeometry(colonne.left(), echelle_.px(TOP_ETAT) + hauteurEtat, colonne.width(), hauteurConseil);
    labelConseil_->setVisible(hauteurConseil > 0);
    const int haut = echelle_.px(TOP_ETAT) + hauteurEtat + hauteurConseil;
    int bas = colonne.bottom() + 1;
    for (QLabel* label : historique_) {
        const int hauteur = std::max(hauteurPour(label), echelle_.px(HAUTEUR_LIGNE));
        const bool place = bas - hauteur >= haut;
        label->setVisible(place);
        if (!place) {
            bas = haut;
            continue;
        }
        label->setGeometry(colonne.left(), bas - hauteur, colonne.width(), hauteur);
        bas -= hauteur;
    }
}

void VueTable::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRadialGradient lumiere(QPointF(width() / 2.0, height() / 2.5), std::max(width(), height()) * 0.75);
    lumiere.setColorAt(0, QColor(0x17, 0x7a, 0x3a));
    lumiere.setColorAt(0.6, QColor(0x0f, 0x5e, 0x2c));
    lumiere.setColorAt(1, QColor(0x08, 0x3b, 0x1b));
    p.fillRect(rect(), lumiere);
    p.drawTiledPixmap(rect(), feutre_);
}
