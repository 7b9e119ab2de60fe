#include "platform/Assertion.h"

#include <cstdio>
#include <utility>

namespace assertion {
namespace {

void parDefaut(const char* expression, const char* source, int ligne) {
    std::fprintf(stderr, "Assertion failed: %s %s %d\n", expression, source, ligne);
}

Gestionnaire& courant() {
    static Gestionnaire gestionnaire = parDefaut;
    return gestionnaire;
}

}  // namespace

Gestionnaire installe(Gestionnaire gestionnaire) {
    if (!gestionnaire) gestionnaire = parDefaut;
    return std::exchange(courant(), std::move(gestionnaire));
}

void echoue(const char* expression, const char* source, int ligne) {
    courant()(expression, source, ligne);
}

}  // namespace assertion
