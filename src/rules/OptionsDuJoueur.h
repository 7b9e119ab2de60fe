#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "format/LoadSaveElement.h"

// What describes a player: name, playing habits, which kind of player (the human or one of the
// computer players), computer level, whether it sits at another computer, and an identifier. The
// table creates each seat's player from this record, carried by the player-registration event,
// so the record is part of game files and of the network protocol.
class OptionsDuJoueur : public LoadSaveElement {
public:
    enum Race : std::uint8_t {
        Humain = 0,
        Ordinateur = 1,
        OrdinateurParfait = 2,
        OrdinateurPlies = 3,
        OrdinateurParfaitPlies = 4,
        AI = 5,
    };
    // Calls setting, in the order of the dialog: none, indirect, direct.
    static constexpr std::uint8_t APPELS_MAX = 2;
    // Levels of the game options: beginner, advanced, expert.
    static constexpr std::uint8_t NIVEAU_MAX = 2;
    // The master, known only to race AI: a record giving it to another race is refused.
    static constexpr std::uint8_t NIVEAU_MAITRE = 3;
    // The longest name, in bytes: longer ones do not fit the panels.
    static constexpr std::size_t NOM_LONGUEUR_MAX = 32;

    // The human at this computer, named after the user's login name.
    OptionsDuJoueur();
    // Draws the identifier from the C library's generator seeded with the time in seconds, so
    // records made within the same second share it.
    OptionsDuJoueur(std::string nom, bool departAtoutPlusHaut, std::uint8_t appels, bool distant, Race race,
                    std::uint8_t niveau);

    // Throws ErreurDeConversion on a field that is not a number, ErreurDeValeur on a value outside
    // its range and ErreurDeFormat on a record not marked valid; the record is then left as it
    // was. The name is cleaned as every name is.
    void load(const std::string& texte) override;
    std::string save() const override;

    Race getRace() const { return race_; }
    bool estDistant() const { return distant_ != 0; }
    std::uint8_t getNiveau() const { return niveau_; }
    std::uint8_t getAppels() const { return appels_; }
    bool getDepartAtoutPlusHaut() const { return departAtoutPlusHaut_; }
    std::int32_t getIdentifiant() const { return identifiant_; }
    bool estHumainLocal() const { return race_ == Humain && distant_ == 0; }

    // The name shown everywhere: "Vous" or "Pierre (vous)" for the user, "Pierre (autre joueur)"
    // for a human elsewhere, "Alphonse (ordinateur)" for a computer player of another computer.
    std::string nom() const;

    // Applied to a record received from the network: a local record becomes remote; a remote one
    // becomes local again on the computer whose identifier it carries.
    void basculeDistant(std::int32_t identifiant);
    // A saved network game replayed at this computer alone: nobody here plays the seats of the
    // other computers, so computer players of this one take them, under the same names.
    void rendLocal();

    // A name as it may be kept, saved and sent: whatever the user typed or pasted, the login
    // name, a name read from a file or received. Line ends and other control bytes would break
    // the line a game is saved on; the bytes of the record's form would break the record; the
    // length is cut to NOM_LONGUEUR_MAX.
    static std::string nomPropre(const std::string& nom);

private:
    bool departAtoutPlusHaut_ = true;
    std::uint8_t appels_ = 1;
    std::string nom_;
    std::uint8_t distant_ = 0;
    Race race_ = Humain;
    std::uint8_t niveau_ = NIVEAU_MAX;
    std::int32_t identifiant_ = 0;
};
