#pragma once

#include <cstddef>
#include <string>

#include "platform/Exception.h"

// A game file that cannot be played. It says why with a text of the string table, and where:
// the line of the file (counted from 1, the version line being line 1), or 0 when the file as a
// whole is at fault (a folder, too large, unreadable, empty, of another version). The message is
// already in the user's language; the window may also word it from the line and the text id.
class ErreurDeFichier : public Exception {
public:
    // The whole file: the message is given.
    ErreurDeFichier(int raison, const std::string& message);
    // One line: the message is "damaged at line n" followed by the reason's text.
    ErreurDeFichier(std::size_t ligne, int raison);

    std::size_t ligne() const { return ligne_; }
    int raison() const { return raison_; }
    const char* nomDeClasse() const override { return "ErreurDeFichier"; }

private:
    std::size_t ligne_;
    int raison_;
};
