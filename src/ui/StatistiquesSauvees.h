#pragma once

#include <string>

class Statistiques;

// The statistics of the user's games kept between runs, in a small file among his data holding
// the statistics record. A damaged file never stops the program: the statistics start again from
// zero, the file is set aside so that the user is told once, and the next game writes a new one.
class StatistiquesSauvees {
public:
    explicit StatistiquesSauvees(std::string fichier = {}) : fichier_(std::move(fichier)) {}

    // Reads the file into the statistics. No file (or no name): fresh statistics. A file that is
    // not one intact record: fresh statistics, the file set aside, and false: the caller tells
    // the user (text 3964).
    [[nodiscard]] bool charge(Statistiques& statistiques);
    // Writes the record when it differs from the one last read or written. A failure is kept
    // quiet: losing one update of the statistics must not interrupt a game. True when the file
    // holds the record.
    bool sauveSiChangees(const Statistiques& statistiques);

    const std::string& fichier() const { return fichier_; }
    // Where a damaged file is set aside.
    std::string fichierEndommage() const { return fichier_ + ".endommage"; }

private:
    std::string fichier_;
    std::string texteEcrit_;
};
