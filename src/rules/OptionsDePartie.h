#pragma once

#include <cstdint>
#include <string>

#include "rules/TypeDePartie.h"
#include "format/LoadSaveElement.h"

// The options of one game: the variant, standard or competition, the computer players' level and
// the connection. Their text is the content of the event that registers the type of game, so it
// is what game files and the network carry; a variant travels as its index only.
class OptionsDePartie : public LoadSaveElement {
public:
    enum TypePartie : std::uint8_t {
        Standard = 0,  // ends when a team reaches the variant's score
        Concours = 1,  // four deals, then the same deals again with the hands at other seats
    };
    // Inchangee is only an argument of the start of a game: keep the connection that exists.
    enum Connection : std::uint8_t {
        Local = 0,
        ClientTCP = 1,
        ServeurTCP = 2,
        ClientDirectPlay = 3,
        ServeurDirectPlay = 4,
        Inchangee = 5,
    };
    static constexpr std::uint8_t NIVEAU_DEBUTANT = 0;
    static constexpr std::uint8_t NIVEAU_AVANCE = 1;
    static constexpr std::uint8_t NIVEAU_EXPERT = 2;
    // The fair master player, only of the evaluation-based family's race.
    static constexpr std::uint8_t NIVEAU_MAITRE = 3;

    const TypeDePartie& getTypeDePartie() const;
    std::uint8_t getTypeChibre() const { return typeChibre_; }
    TypePartie getTypePartie() const;
    std::uint8_t getNiveau() const;
    Connection getConnection() const { return connection_; }
    bool isValid() const { return isValid_; }

    // The program's own choices; a value out of range is an internal error and is not stored.
    void setTypeChibre(int typeChibre);
    void setTypePartie(TypePartie typePartie);
    void setNiveau(int niveau);
    void setConnection(Connection connection);

    // Throws ErreurDeFormat on a value out of range, ErreurDeConversion on a field that is not a
    // number; the options are then left as they were.
    void load(const std::string& texte) override;
    std::string save() const override;

private:
    std::uint8_t typeChibre_ = 0;
    TypePartie typePartie_ = Standard;
    std::uint8_t niveau_ = NIVEAU_EXPERT;
    Connection connection_ = Local;
    bool isValid_ = true;
};
