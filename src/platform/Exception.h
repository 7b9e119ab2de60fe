#pragma once

#include <stdexcept>
#include <string>

// Errors that the program shows as "<class name>: <message>". Every kind of error that can reach
// the user derives from this base and names its own class.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    virtual const char* nomDeClasse() const { return "Exception"; }
};

#define TW_EXCEPTION(Nom)                                              \
    class Nom : public Exception {                                     \
    public:                                                            \
        using Exception::Exception;                                    \
        const char* nomDeClasse() const override { return #Nom; }      \
    }

// A text that should hold a number does not.
TW_EXCEPTION(ErreurDeConversion);
// A read past the end of a text.
TW_EXCEPTION(ErreurHorsLimites);
// A record, event or file whose shape is not the one this program writes.
TW_EXCEPTION(ErreurDeFormat);

// A number read from outside lies outside the range its field allows.
class ErreurDeValeur : public ErreurDeFormat {
public:
    using ErreurDeFormat::ErreurDeFormat;
    const char* nomDeClasse() const override { return "ErreurDeValeur"; }
};
