#pragma once

#include <cstdint>
#include <string>

// One record of the text form that game files and network messages carry:
// '{', then every field followed by the byte 0xA6, then '}'. A nested record is a field written
// whole, braces included. Bytes are never escaped. An object is used either to write or to read.
class SpacesSeparatedString {
public:
    static constexpr char STRING_START = '{';
    static constexpr char STRING_END = '}';
    static constexpr char STRING_SEPARATOR = '\xA6';

    // Ready for writing.
    SpacesSeparatedString() = default;
    // Ready for reading. Throws ErreurHorsLimites on an empty text and ErreurDeFormat when the
    // text does not start with '{' and end with '}'.
    explicit SpacesSeparatedString(const std::string& texte);

    void addString(const std::string& champ);
    void addInt(std::int32_t valeur);
    std::string toString() const;

    // Takes the next field. A field that starts with '{' runs to its matching '}' (every brace
    // inside counts); a plain field runs to the next separator, and when there is none it is
    // empty and the remainder stays. Throws ErreurHorsLimites when nothing remains and
    // ErreurDeFormat when a nested record never closes.
    std::string getString();
    // Throws ErreurDeConversion when the field is not a decimal 32-bit integer.
    std::int32_t getInt();

    const std::string& reste() const { return string_; }

    // A text typed by a user (a name, a chat line) made safe to travel as a plain field, also
    // inside a nested record: a separator byte would end it early and a brace would shift the
    // end of the enclosing record.
    static std::string champEncodable(std::string texte);

private:
    std::string string_;
};

// Strict decimal conversion: an optional minus sign and digits, within 32 bits.
bool convertitEntier(const std::string& texte, std::int32_t& valeur);
