#pragma once

#include <string>
#include <vector>

// The tests' assertion handler records every failed internal check and lets the operation go on,
// so a test can check that a given internal error happened.
struct AssertionRelevee {
    std::string expression;
    std::string source;
    int ligne;
};

class AssertionsRelevees {
public:
    AssertionsRelevees();
    ~AssertionsRelevees();
    AssertionsRelevees(const AssertionsRelevees&) = delete;
    AssertionsRelevees& operator=(const AssertionsRelevees&) = delete;

    const std::vector<AssertionRelevee>& toutes() const { return relevees_; }
    bool contient(const std::string& expression) const;
    bool vide() const { return relevees_.empty(); }

private:
    std::vector<AssertionRelevee> relevees_;
};
