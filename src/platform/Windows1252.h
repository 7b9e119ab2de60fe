#pragma once

#include <string>
#include <string_view>

// Inside the core every text is 8-bit Windows-1252 (game files, the wire, the string table).
// These two conversions are the only crossing to and from Unicode.
std::string versUtf8(std::string_view windows1252);
// Characters that Windows-1252 cannot hold, and malformed UTF-8, become '?'.
std::string depuisUtf8(std::string_view utf8);
