#include "support/AssertionsRelevees.h"

#include "platform/Assertion.h"

namespace {
assertion::Gestionnaire precedent;
}

AssertionsRelevees::AssertionsRelevees() {
    precedent = assertion::installe([this](const char* expression, const char* source, int ligne) {
        relevees_.push_back({expression, source, ligne});
    });
}

AssertionsRelevees::~AssertionsRelevees() { assertion::installe(precedent); }

bool AssertionsRelevees::contient(const std::string& expression) const {
    for (const auto& a : relevees_)
        if (a.expression == expression) return true;
    return false;
}
