#pragma once

#include <functional>

// Internal checks of the program's own sequencing. A failed check reaches the installed handler
// with the checked expression's text, the source (the class name) and the line; the desktop
// program shows its "Debug" box, the tests record the failure. The operation then continues.
namespace assertion {

using Gestionnaire = std::function<void(const char* expression, const char* source, int ligne)>;

// Installs a handler and returns the previous one. An empty handler restores the default,
// which writes the failure to the standard error stream.
Gestionnaire installe(Gestionnaire gestionnaire);

void echoue(const char* expression, const char* source, int ligne);

}  // namespace assertion

#define TW_ASSERT(expression, source) \
    ((expression) ? static_cast<void>(0) : ::assertion::echoue(#expression, source, __LINE__))
