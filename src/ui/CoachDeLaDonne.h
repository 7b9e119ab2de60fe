#pragma once

#include <QObject>
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "models/HistoriqueDesDonnes.h"

// The coach beside the hands of a deal that ended: what the deal's cards were worth to each team
// had all four hands been played perfectly with every card known (double-dummy), to set beside
// what was played. The solver may take seconds from the first card, so it works in a thread of
// its own and the answer comes back to the window's thread; a solve past its budget is given up
// and said so. It reads only the hands and the mode: nothing of the game changes.
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

    explicit CoachDeLaDonne(QObject* parent = nullptr, std::uint64_t noeudsMax = NOEUDS_MAX);
    ~CoachDeLaDonne() override;

    // Starts the solve of a deal that ended, once per deal number; `evaluee` tells when it is done.
    void evalue(int numero, const HistoriqueDesDonnes::Donne& donne);
    Etat etat(int numero) const;
    std::optional<Points> resultat(int numero) const;
    // Another game: the answers still to come for the earlier one are dropped.
    void oublie();

signals:
    void evaluee(int numero);

private:
    void livre(int generation, int numero, std::optional<Points> points);

    std::uint64_t noeudsMax_;
    int generation_ = 0;
    // Set when the coach goes: the threads still solving stop, and their answers are dropped.
    std::shared_ptr<std::atomic<bool>> abandon_;
    std::map<int, std::pair<Etat, std::optional<Points>>> resultats_;
};
