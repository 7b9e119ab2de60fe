#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// What a computer player shows of its reasoning in its analysis window: the text it writes while
// deciding, the tree of its last decision, one projection page per candidate card, and four suit
// charts of where it believes the unplayed cards are (one stacked series per seat). The players
// write here whether the window is shown or not; being shown only changes how fast they answer.
// The view observes the model through `changement` and draws it.
class AnalyseJoueur {
public:
    static constexpr int LARGEUR_PAR_DEFAUT = 255;
    static constexpr int HAUTEUR_PAR_DEFAUT = 306;
    // The bottom axis of a projection runs this far beyond the deal's range on both sides.
    static constexpr int MARGE_PROJECTION = 10;

    enum class Zone { Fenetre, Texte, Arbre, Projections, Distribution };

    struct Barre {
        double x;
        double hauteur;
        std::string libelle;
    };
    using Serie = std::vector<Barre>;

    // One suit's chart: the series of seats 0 to 3, stacked.
    struct GraphiqueCouleur {
        std::array<Serie, 4> series;
    };

    // One candidate card's page.
    struct Projection {
        std::string titre;
        int minimum;
        int maximum;
        Serie serie;
    };

    struct Noeud {
        std::string texte;
        int parent;  // -1 for a root
        std::vector<int> enfants;
    };

    // Where a seat's window stands, so that the four windows of a table do not overlap: seats 0
    // and 3 at the top corners, seats 1 and 2 below them from half the screen's height.
    struct Placement {
        int left;
        int top;
        int width;
    };
    static Placement placementPourSiege(int siege, int largeurEcran, int hauteurEcran, int largeurFenetrePrincipale);

    AnalyseJoueur();
    AnalyseJoueur(const AnalyseJoueur&) = delete;
    AnalyseJoueur& operator=(const AnalyseJoueur&) = delete;

    void setTitre(std::string titre);
    const std::string& titre() const { return titre_; }
    // The seat whose window this is, or -1: the view places the window by it.
    void setSiege(int siege) { siege_ = siege; }
    int siege() const { return siege_; }
    void montre();
    void cache();
    bool estVisible() const { return visible_; }

    void ajouteLigne(const std::string& texte);
    // A number as the analysis writes it: general notation, up to 15 significant digits.
    static std::string nombre(double valeur);
    void videTexte();
    const std::vector<std::string>& lignes() const { return lignes_; }

    void videArbre();
    int ajouteRacine(const std::string& texte);
    int ajouteEnfant(int parent, const std::string& texte);
    void ajouteAuTexte(int noeud, const std::string& texte);
    const std::vector<Noeud>& noeuds() const { return noeuds_; }

    // Removes the pages from the last to the first.
    void videProjections();
    // A new page, made the active one; its series stays valid until the pages are removed.
    Serie& ajouteProjection(const std::string& titre, int maximum);
    const std::vector<std::unique_ptr<Projection>>& projections() const { return projections_; }
    // The active page, or -1 when there is none.
    int projectionActive() const { return static_cast<int>(projections_.size()) - 1; }

    // The chart of a suit, 1 to 4. Who fills the charts calls distributionModifiee() once done.
    GraphiqueCouleur& graphique(int couleur) { return graphiques_[static_cast<unsigned>(couleur - 1) & 3]; }
    const GraphiqueCouleur& graphique(int couleur) const { return graphiques_[static_cast<unsigned>(couleur - 1) & 3]; }
    void distributionModifiee() const { signale(Zone::Distribution); }

    std::function<void(Zone)> changement;

private:
    void signale(Zone zone) const;

    std::string titre_;
    int siege_ = -1;
    bool visible_ = false;
    std::vector<std::string> lignes_;
    std::vector<Noeud> noeuds_;
    std::vector<std::unique_ptr<Projection>> projections_;
    std::array<GraphiqueCouleur, 4> graphiques_;
};

// The window that shows an analysis. The desktop program makes one for every computer player,
// which owns it beside its analysis and drops it first; without a maker installed (the tests,
// the headless tools) a player has none.
class FenetreAnalyse {
public:
    virtual ~FenetreAnalyse() = default;
};
using FabriqueFenetreAnalyse = std::unique_ptr<FenetreAnalyse> (*)(AnalyseJoueur& analyse);
void installeFabriqueFenetreAnalyse(FabriqueFenetreAnalyse fabrique);
std::unique_ptr<FenetreAnalyse> creeFenetreAnalyse(AnalyseJoueur& analyse);
