#pragma once

#include <QObject>
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "ai/Maitre_Critique.h"
#include "models/HistoriqueDesDonnes.h"

// The coach beside the hands of a deal that ended. First what the deal's cards were worth to each
// team had all four hands been played perfectly with every card known (double-dummy), to set
// beside what was played; then where the user's team (seats 0 and 2 at a local game) lost the
// most against the master's choice (`Maitre_Critique`). Both may take seconds, so each works in a thread of its own
// and the answer comes back to the window's thread; a solve past its budget is given up and said
// so. It reads only the hands, the mode and the melds shown: nothing of the game changes.
class CoachDeLaDonne : public QObject {
    Q_OBJECT
public:
    enum class Etat { Inconnu, EnCours, Connu, Abandonne };
    using Points = std::array<std::int32_t, 2>;

    static constexpr std::uint64_t NOEUDS_MAX = 400'000'000;
    static constexpr int DUREE_MAX_MS = 20000;

    // Each team's card points with perfect play, multiplied, the bonus of all nine tricks
    // included; none when the deal is not whole or the solver gave up.
    static std::optional<Points> pointsParfaits(const HistoriqueDesDonnes::Donne& donne, std::uint64_t noeudsMax,
                                                const std::function<bool()>& arret = {});

    explicit CoachDeLaDonne(QObject* parent = nullptr, std::uint64_t noeudsMax = NOEUDS_MAX,
                            std::uint64_t noeudsParCarte = Maitre_Critique::NOEUDS_PAR_CARTE);
    ~CoachDeLaDonne() override;

    // Starts the solve and the master's review of a team's cards in a deal that ended, once per
    // deal number; `evaluee` tells when either is done. `typeDePartie`: the game's variant;
    // `departAtoutPlusHaut`: the user's way of leading trumps, which the master keeps to.
    void evalue(int numero, const HistoriqueDesDonnes::Donne& donne, int equipe, const TypeDePartie& typeDePartie,
                bool departAtoutPlusHaut);
    Etat etat(int numero) const;
    std::optional<Points> resultat(int numero) const;
    Etat etatCritique(int numero) const;
    std::optional<Maitre_Critique::Bilan> critique(int numero) const;
    // Another game, or the next deal: the work still running stops and its answers are dropped.
    void oublie();

signals:
    void evaluee(int numero);

private:
    template <class Resultat>
    using Suivi = std::map<int, std::pair<Etat, std::optional<Resultat>>>;

    // Runs the work in the thread pool and keeps its answer for the deal, unless the coach has
    // let the work go meanwhile.
    template <class Resultat>
    void lance(int numero, Suivi<Resultat>& suivi, std::function<std::optional<Resultat>(const std::atomic<bool>&)> travail);

    std::uint64_t noeudsMax_;
    std::uint64_t noeudsParCarte_;
    // Set when the coach goes or forgets a game: the threads still working stop, and their
    // answers are dropped.
    std::shared_ptr<std::atomic<bool>> abandon_;
    Suivi<Points> resultats_;
    Suivi<Maitre_Critique::Bilan> critiques_;
};
