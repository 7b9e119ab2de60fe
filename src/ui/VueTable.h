#pragma once

#include "rules/Siege.h"

#include <QWidget>
#include <array>
#include <cstddef>
#include <optional>

#include "models/HistoriqueDesDonnes.h"
#include "ui/Echelle.h"
#include "ui/SuggestionDuMaitre.h"

class QLabel;
class Table;
class VueCartesRamassees;
class VueMainsDeLaDonne;
class CoachDeLaDonne;
class VuePanelJoueur;
class VueTasCentral;

// The playing area of the main window, on green felt: the four player panels in the corners,
// the central pile, the status line and the history above it, and the two teams' score boxes
// below it. It draws the table's models and lays them out again whenever it is resized, at the
// scale of its size to the classic one.
class VueTable : public QWidget {
    Q_OBJECT
public:
    static constexpr int NB_HISTORIQUE = 10;

    explicit VueTable(QWidget* parent = nullptr);
    ~VueTable() override;

    // The table to draw, or none. The previous table must still exist: its models are let go.
    void setTable(Table* table);
    Table* table() const { return table_; }
    // Follows the table: panels of players that came or went, texts, scores, the pile.
    void rafraichit();
    // The card style changed.
    void rechargeImages();

    // The deals of the table's game so far, read from its record.
    const HistoriqueDesDonnes& historique();
    // Shows the trick last collected on the pile for a while; false when none was collected yet.
    bool montreDernierPli();
    // The user's option: his trick collections and confirmations clicked for him after a pause.
    void setConfirmationAutomatique(bool active);
    // The user's option: while he is to play, the card the master would play for him.
    void setConseilsDuMaitre(bool actifs);

    VuePanelJoueur* vuePanel(int siege) const { return panels_[siege::verifie(siege)]; }
    VueTasCentral* vueTas() const { return tas_; }
    VueCartesRamassees* vueRamassees(int equipe) const { return ramassees_[equipe & 1]; }
    VueMainsDeLaDonne* vueMains() const { return mains_; }
    CoachDeLaDonne* coach() const { return coach_; }
    QLabel* labelEtat() const { return labelEtat_; }
    QLabel* labelConseil() const { return labelConseil_; }
    SuggestionDuMaitre* suggestion() const { return suggestion_; }
    QLabel* labelHistorique(int i) const { return historique_[i]; }
    const Echelle& echelle() const { return echelle_; }

signals:
    // After every redraw that follows the table.
    void changement();

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Playing with the keyboard: arrows choose a card, Enter plays it or answers the action
    // button, 1 to 7 choose a trump mode, 0 chibres; on the user's panel that waits.
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void disposition();
    void suitPanels();
    // The status line on top, the history from the pile upwards, each line wrapped to the
    // column's width; the oldest lines give way when the texts take more room.
    void placeTextes();
    QRect rectColonne() const;
    // Between two deals and after the game, the hands of the deal that ended take the pile's
    // place, unless the user asked to see the last trick; the texts above make room for the
    // coach's lines.
    void suitMainsDeLaDonne();
    void montreMainsDeLaDonne();
    void retientConfirmations(bool retenues);
    void placeMains();
    int siegeDeLUtilisateur() const;
    std::optional<SuggestionDuMaitre::Situation> situationDeLUtilisateur();
    void suitSuggestion();
    void montreSuggestion();

    Table* table_ = nullptr;
    VueTasCentral* tas_;
    QLabel* labelEtat_;
    QLabel* labelConseil_;
    std::array<QLabel*, NB_HISTORIQUE> historique_{};
    std::array<VuePanelJoueur*, 4> panels_{};
    std::array<VueCartesRamassees*, 2> ramassees_{};
    VueMainsDeLaDonne* mains_;
    CoachDeLaDonne* coach_;
    SuggestionDuMaitre* suggestion_;
    HistoriqueDesDonnes donnes_;
    // What the history was read from: the record's length and the table's state.
    std::pair<std::size_t, int> historiqueLu_{0, -1};
    bool confirmationAutomatique_ = false;
    QPixmap feutre_;
    Echelle echelle_;
    QSize classique_ = Echelle::TAILLE_CLASSIQUE;
};
