#pragma once

#include <string>

// Everything that is written to a game file or sent to another computer converts itself to and
// from one record of the brace-and-separator text form.
class LoadSaveElement {
public:
    virtual ~LoadSaveElement() = default;
    // Replaces the whole content by the one encoded in the text. Text from outside may be
    // malformed: implementations throw an Exception subclass, never read out of bounds.
    virtual void load(const std::string& texte) = 0;
    virtual std::string save() const = 0;
};
