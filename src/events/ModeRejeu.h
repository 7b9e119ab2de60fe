#pragma once

#include <cstdint>

// How an event reaches the table: played now, or replayed from a record, either step by step so
// that the user can follow ("film") or quickly, showing nothing until the end.
enum class ModeRejeu : std::uint8_t { Normal = 0, Film = 1, Chargement = 2 };

constexpr bool estRejeu(ModeRejeu mode) { return mode != ModeRejeu::Normal; }
// Replays step by step show every step; a quick load shows only where it ends.
constexpr bool doitAfficher(ModeRejeu mode) { return mode != ModeRejeu::Chargement; }
