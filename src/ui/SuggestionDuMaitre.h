#pragma once

#include <QObject>
#include <atomic>
#include <memory>
#include <optional>
#include <utility>

#include "ai/Maitre_CeQuiAEteVu.h"
#include "rules/CarteSet.h"
#include "rules/Partie.h"

// On the user's demand, the card the master would play for him while it is his turn: worked out
// fairly (his hand, the cards played, the melds shown, never the hands he cannot see) in a thread
// of its own, so the window keeps running while the master thinks. It only shows: it never plays
// the card and changes nothing of the game's events or files.
class SuggestionDuMaitre : public QObject {
    Q_OBJECT
public:
    enum class Etat { Aucune, EnCours, Connue };

    // What the user knows when he is to play a card. `cle` tells one such moment from the others
    // of the game: the deal and the cards played so far.
    struct Situation {
        std::pair<int, int> cle;
        Partie partie;
        CarteSet main;
        Maitre_CeQuiAEteVu vu;
        bool departAtoutPlusHaut;
    };

    explicit SuggestionDuMaitre(QObject* parent = nullptr);
    ~SuggestionDuMaitre() override;

    // Off by default.
    void setActive(bool active);
    bool active() const { return active_; }
    // The moment the table is at: the user to play, or none. A new moment lets the work on the
    // previous one go and starts the master on this one.
    void suit(const std::optional<Situation>& situation);
    // Another game: nothing of the previous one is kept.
    void oublie();

    Etat etat() const { return etat_; }
    // The master's card, once known, and the seat it is for.
    const Carte* carte() const { return carte_; }
    int siege() const { return situation_ ? situation_->partie.noDuProchainAJouer() : -1; }
    // The moment followed, what the master is told of it included; none while off.
    const std::optional<Situation>& situation() const { return situation_; }

signals:
    void changement();

private:
    void abandonne();

    bool active_ = false;
    Etat etat_ = Etat::Aucune;
    std::optional<Situation> situation_;
    const Carte* carte_ = nullptr;
    // Set when the work in progress is no longer wanted: it stops, and its answer is dropped.
    std::shared_ptr<std::atomic<bool>> abandon_;
};
