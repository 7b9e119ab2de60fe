#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// What starts the program straight into a session game from outside it: a small launch file, or
// a "trumpwise:" link that the desktop hands to the program. It says whether to host or to join,
// the session's name and its address.
//
// Launch file, one "key=value" a line ('#' starts a comment line):
//     mode=join                  (or host)
//     session=Trumpwise pierre
//     address=192.168.1.20:4001  (join: the host's address, port optional; host: ":port" or empty)
// Link: trumpwise:join?session=Trumpwise%20pierre&address=192.168.1.20:4001
struct LancementDeSession {
    enum class Mode { Heberge, Rejoint };

    // A launch file is a few lines: anything longer is not one.
    static constexpr std::size_t LONGUEUR_MAXI = 4096;

    Mode mode = Mode::Rejoint;
    std::string nomSession;
    // Empty when hosting.
    std::string hote;
    std::uint16_t port = 0;

    // The text of a launch file or a link; nothing when it is neither or lacks what it must say.
    static std::optional<LancementDeSession> lit(const std::string& texte);
};
