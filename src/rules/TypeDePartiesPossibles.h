#pragma once

#include <array>
#include <cstddef>

#include "rules/TypeDePartie.h"

// The four variants, in the order their index is saved in game options. The list never changes,
// so one immutable instance serves every set of options.
class TypeDePartiesPossibles {
public:
    static constexpr std::size_t NB_TYPES = 4;

    TypeDePartiesPossibles();

    static const TypeDePartiesPossibles& commune();

    // index below NB_TYPES (checked by the callers that read it from outside).
    const TypeDePartie& operator[](std::size_t index) const { return types_[index]; }
    static constexpr std::size_t size() { return NB_TYPES; }

private:
    std::array<TypeDePartie, NB_TYPES> types_;
};
