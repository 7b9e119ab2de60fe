#pragma once

#include <QString>
#include <functional>

// The handler of failed internal checks in the desktop program: the "Debug" box with Yes, No
// and Cancel. Yes goes on after the check; No throws the Exception "Break", which the
// application shows and survives; Cancel never returns to the failed operation but keeps the
// window alive (the user can still save the game) until the window is closed.
class BoiteDebug {
public:
    enum class Reponse { Oui, Non, Annuler };
    using Question = std::function<Reponse(const QString& texte)>;

    // question: asks the user (the message box by default).
    // attendEncore: whether Cancel keeps waiting; false once the window is closed.
    // fin: what ends the wait (by default the end of the program).
    // intervalleMs: how often Cancel looks whether to wait on.
    BoiteDebug(Question question, std::function<bool()> attendEncore, std::function<void()> fin,
               int intervalleMs = 100);

    // Installs a box with the real message box, waiting until no visible top-level window is left.
    static void installe();

    void echec(const char* expression, const char* source, int ligne) const;
    static QString texte(const char* expression, const char* source, int ligne);

private:
    Question question_;
    std::function<bool()> attendEncore_;
    std::function<void()> fin_;
    int intervalleMs_;
};
