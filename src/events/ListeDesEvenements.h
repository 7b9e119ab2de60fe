#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "events/EvenementDeJeu.h"
#include "events/LectureDeFichier.h"
#include "events/ModeRejeu.h"

// The error of an event that cannot be consumed where it stands: of the wrong kind or seat for
// the table's state, or out of sequence in a file.
inline constexpr const char* TEXTE_EVENEMENT_INVALIDE = "Invalid event readed in .jss file";

// What the event list needs of the table that consumes its events.
class ConsommateurDEvenements {
public:
    virtual ~ConsommateurDEvenements() = default;
    virtual int etatJeu() const = 0;
    virtual void traiteEvenement(const EvenementDeJeu& evenement, const std::string& description, ModeRejeu mode) = 0;
    virtual void transmetEvenement(const EvenementDeJeu& evenement) = 0;
    virtual void demandeProchaineAction(ModeRejeu mode) = 0;
    // The display name of the player of a seat.
    virtual std::string nomDuJoueur(int noJoueur) const = 0;
    // Whether the seat is held by a player of another computer.
    virtual bool estSiegeDistant(int noJoueur) const = 0;
};

// Sits between everything that produces game events and the table. Keeps one slot per event
// number and releases to the table, one at a time, the event whose number is the table's state:
// early events wait, late and repeated ones are dropped. Records every released event as one
// line; that record is a game file, and loading a file replays it through the same path.
class ListeDesEvenements {
public:
    static constexpr int VERSION_FICHIER = 3;
    static constexpr int ARRET_NORMAL = EvenementDeJeu::AttendFinDePartie4;

    explicit ListeDesEvenements(ConsommateurDEvenements& table);

    // The single entry for events. Producers play now; the replay passes its own mode and the
    // number of the file's last event, after which the table is not asked for the next action.
    void ajoute(const EvenementDeJeu& evenement, ModeRejeu mode = ModeRejeu::Normal, int arret = ARRET_NORMAL);
    // Events received by the host from a client, and by a client from the host.
    void recoitDUnClient(const EvenementDeJeu& evenement);
    void recoitDuServeur(const EvenementDeJeu& evenement, std::int32_t identifiant);

    void vide();
    void recommenceAvecMemesJoueurs();
    // Loads and replays a game file. Throws ErreurDeFichier, with a message for the user and the
    // line at fault, when the file cannot be read, is empty, of another version, holds a line
    // that is not an event or an event the game could not have had there, or ends before its
    // four players are registered. The file itself is only read.
    void charge(const std::string& nomFichier);
    // Writes the record safely (see ecritFichierSurement). Throws an Exception whose message says
    // which file could not be written and why; the file is then as it was.
    void sauve(const std::string& nomFichier) const;
    // Replays the lines of a game file (the first is the version).
    void rejoue(const std::vector<LigneDeFichier>& lignes, bool film);

    // The record ("Evenements exécutés"), one encoded event per line, the version line first;
    // and the events waiting in their slots ("En queue").
    const std::vector<std::string>& enregistrement() const { return enregistrement_; }
    const std::vector<std::string>& enQueue() const { return enQueue_; }
    int dernierNoTraite() const { return dernierNoTraite_; }

    // Told when the record or the queue changes (the events window repaints).
    std::function<void()> changement;

private:
    void signaleChangement() const;

    ConsommateurDEvenements& table_;
    std::int8_t dernierNoTraite_ = 0;
    std::array<std::string, EvenementDeJeu::EtatJeu_FinDeTableau> evenementsEnAttente_;
    std::vector<std::string> enregistrement_;
    std::vector<std::string> enQueue_;
    bool rejeuEnCours_ = false;
};
