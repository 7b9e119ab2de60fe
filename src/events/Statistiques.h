#pragma once

#include <cstdint>
#include <string>

// The running statistics of the user's games: games played, games won and the accumulated
// difference of points between the user's team and the opponents. They travel, with a small
// check value, inside the deal-settings event, so a game file restores them.
class Statistiques {
public:
    // One finished game; a drawn game counts as won.
    void ajouteResultat(std::int32_t difference, bool gagne);

    // {totalPoints¦partiesJouees¦partiesGagnees¦check¦}
    std::string texte() const;
    // Throws ErreurDeFormat or ErreurDeConversion when the text is not a record of four integers,
    // leaving the values as they were. Returns false when the record was tampered with (wrong
    // check value, or counts no game can produce): the three values are then 0 and the caller
    // shows text 3808 ("Fichier corrompu. ...") titled 3809.
    [[nodiscard]] bool charge(const std::string& texte);

    std::int32_t getPartiesJouees() const { return partiesJouees_; }
    std::int32_t getTotalPoints() const { return totalPoints_; }
    std::int32_t getPartiesGagnees() const { return partiesGagnees_; }

    // The sum of the three values modulo 39, with the sign of the sum.
    static std::int32_t valeurDeControle(std::int32_t totalPoints, std::int32_t partiesJouees,
                                         std::int32_t partiesGagnees);

private:
    std::int32_t partiesJouees_ = 0;
    std::int32_t totalPoints_ = 0;
    std::int32_t partiesGagnees_ = 0;
};
