#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One line of a game file with its number in the file, counted from 1.
struct LigneDeFichier {
    std::size_t numero;
    std::string texte;
};

// A game file is a few hundred kilobytes at most; anything far larger is not one, and reading it
// whole would only exhaust the memory.
inline constexpr std::uintmax_t TAILLE_MAXI_FICHIER_DE_PARTIE = std::uintmax_t{16} << 20;

// The lines of a game file's content. This program writes CR LF line ends; files edited by hand
// or carried between systems may have LF or CR alone, a UTF-8 byte-order mark, blanks around a
// line or empty lines, none of which can be part of an event: they are left out.
std::vector<LigneDeFichier> lignesDeFichierDePartie(const std::string& contenu);

// Reads a game file. Throws ErreurDeFichier, with a message for the user, for a folder, a file
// too large to be a game and a file that cannot be read.
std::vector<LigneDeFichier> litFichierDePartie(const std::string& nomFichier);
