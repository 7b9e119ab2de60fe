#include "platform/Windows1252.h"

#include <cstdint>

namespace {

// 0x80 to 0x9F differ from Latin-1; 0 marks the five bytes the code page leaves undefined.
constexpr char32_t plage80a9F[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t versUnicode(unsigned char octet) {
    if (octet < 0x80 || octet >= 0xA0) return octet;
    const char32_t point = plage80a9F[octet - 0x80];
    return point ? point : char32_t(octet);
}

void ajouteUtf8(std::string& sortie, char32_t point) {
    if (point < 0x80) {
        sortie += char(point);
    } else if (point < 0x800) {
        sortie += char(0xC0 | (point >> 6));
        sortie += char(0x80 | (point & 0x3F));
    } else {
        sortie += char(0xE0 | (point >> 12));
        sortie += char(0x80 | ((point >> 6) & 0x3F));
        sortie += char(0x80 | (point & 0x3F));
    }
}

char versOctet(char32_t point) {
    if (point < 0x80 || (point >= 0xA0 && point <= 0xFF)) return char(point);
    for (int i = 0; i < 32; ++i)
        if (plage80a9F[i] == point) return char(0x80 + i);
    return '?';
}

}  // namespace

std::string versUtf8(std::string_view windows1252) {
    std::string sortie;
    sortie.reserve(windows1252.size());
    for (const char c : windows1252) ajouteUtf8(sortie, versUnicode(static_cast<unsigned char>(c)));
    return sortie;
}

std::string depuisUtf8(std::string_view utf8) {
    std::string sortie;
    sortie.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto octet = static_cast<unsigned char>(utf8[i]);
        const int suite = octet < 0x80 ? 0 : (octet >> 5) == 0x6 ? 1 : (octet >> 4) == 0xE ? 2 : (octet >> 3) == 0x1E ? 3 : -1;
        if (suite < 0 || i + suite >= utf8.size()) {
            sortie += '?';
            ++i;
            continue;
        }
        char32_t point = suite == 0 ? octet : octet & (0x3F >> suite);
        bool valide = true;
        for (int k = 1; k <= suite; ++k) {
            const auto c = static_cast<unsigned char>(utf8[i + k]);
            if ((c & 0xC0) != 0x80) valide = false;
            point = (point << 6) | (c & 0x3F);
        }
        sortie += valide ? versOctet(point) : '?';
        i += valide ? suite + 1 : 1;
    }
    return sortie;
}
