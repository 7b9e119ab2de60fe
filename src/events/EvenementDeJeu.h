#pragma once

#include <cstdint>
#include <string>

#include "platform/Exception.h"
#include "events/EtatJeu.h"
#include "format/LoadSaveElement.h"
#include "events/TypeEvenement.h"

class Carte;

// The text names a kind this program does not know: a file or a peer of another version. The
// message is the one shown to the user, under the title of text 2832 ("Client incompatible.").
TW_EXCEPTION(ErreurVersionIncompatible);

// One step of a game: an action of a player or a decision of the table. The table changes state
// only by consuming events, the event list orders and records them, the network carries them.
// Decoding is the program's front door for game files and network messages: whatever the text,
// it either gives an event that the table can consume or throws.
class EvenementDeJeu : public LoadSaveElement, public EtatsDuJeu {
public:
    enum Intervenant : std::uint8_t { Joueur0 = 0, Joueur1 = 1, Joueur2 = 2, Joueur3 = 3, Table = 4 };

    // Event numbers that are not table states.
    static constexpr std::int32_t NumeroMessageJoueur = 99;
    static constexpr std::int32_t NumeroInscription = 100;

    EvenementDeJeu(TypeEvenement type, std::string donnees, Intervenant intervenant, std::int32_t noEvenement);
    // Decodes a text that holds exactly one event.
    explicit EvenementDeJeu(const std::string& texte);
    // Decodes the first of several events written one after another and gives the text of the
    // ones that follow (empty when none), which is how a receive buffer is split.
    EvenementDeJeu(const std::string& texte, std::string& reste);

    // Throws ErreurVersionIncompatible for an unknown kind name and ErreurDeFormat for anything
    // else that is not one event as this program writes it; the event is then left as it was.
    void load(const std::string& texte) override;
    std::string save() const override;

    TypeEvenement getType() const { return type_; }
    const std::string& getDonnees() const { return donnees_; }
    Intervenant getIntervenant() const { return intervenant_; }
    int getNoJoueur() const;
    std::int32_t getNoEvenement() const { return noEvenement_; }

    // The text of the game history and of the events window.
    std::string description() const;

    // The parameter of a played card: its identifier, a full stop and its name ("2_7.Le Sept de Carreau").
    static std::string parametreDeCarte(const Carte& carte);
    // The card named by the identifier of a parameter built that way; nothing when it names none.
    static const Carte* carteDuParametre(const std::string& donnees);

private:
    // Reads the first event of the text into this one and returns the text that follows it.
    std::string decode(const std::string& texte);

    TypeEvenement type_ = TypeEvenement::Message;
    std::string donnees_;
    Intervenant intervenant_ = Table;
    std::int32_t noEvenement_ = 0;
};
