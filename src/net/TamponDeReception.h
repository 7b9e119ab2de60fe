#pragma once

#include <cstddef>
#include <optional>
#include <string>

// Received bytes held until they make whole messages. The stream carries encoded events one
// after another without length or terminator: a message runs from its opening brace to the brace
// that closes it (every brace inside counts, as the text records nest). A tail that ends inside a
// message waits for the rest; it may not grow past TAILLE_MAXI, so a peer that never completes a
// message cannot make this computer's memory grow.
class TamponDeReception {
public:
    // Far above the longest event this program writes (the deal settings, a few hundred bytes).
    static constexpr std::size_t TAILLE_MAXI = 64 * 1024;

    void ajoute(const std::string& octets);
    // The next whole message, or nothing while the tail is incomplete. Throws ErreurDeFormat when
    // the bytes cannot start a message, or an incomplete one has grown past TAILLE_MAXI; the
    // buffer is then emptied.
    std::optional<std::string> suivant();
    bool estVide() const { return tampon_.empty(); }
    std::size_t taille() const { return tampon_.size(); }

private:
    [[noreturn]] void rejette(const std::string& raison);

    std::string tampon_;
    // How far the tail has been scanned, and the brace depth there: each byte is looked at once,
    // also when a message arrives one byte at a time.
    std::size_t analyse_ = 0;
    int profondeur_ = 0;
};
