#pragma once

#include <chrono>
#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <string>

// A one-shot or periodic timer whose action runs on the program's one thread.
class Minuterie {
public:
    virtual ~Minuterie() = default;
    // (Re)starts the timer; a running timer starts counting again.
    virtual void demarre(int intervalleMs, bool periodique) = 0;
    virtual void arrete() = 0;
    virtual bool estActive() const = 0;
};

// What the core needs from the system it runs on. The desktop program gives the real one; the
// tests give a fake with a virtual clock and scripted answers. All of it is used from the
// program's one thread.
class Plateforme {
public:
    virtual ~Plateforme() = default;

    virtual std::unique_ptr<Minuterie> creeMinuterie(std::function<void()> action) = 0;
    // Lets the user interface handle what is pending (repaints, clicks, received messages).
    virtual void traiteMessagesEnAttente() = 0;
    // Waits while the user interface keeps running.
    virtual void attend(int millisecondes) = 0;
    // Runs `travail` away from the program's thread, then `fini` on that thread through the event
    // loop, so a long computation never freezes the window. `travail` must use only what it owns.
    // Here, and on the virtual platform, both run at once, one after the other: the headless
    // tools and the tests then see the answer in the same call, as with any computation.
    virtual void enArrierePlan(std::function<void()> travail, std::function<void()> fini) {
        travail();
        fini();
    }
    virtual std::chrono::steady_clock::time_point maintenant() const = 0;
    virtual std::tm heureLocale() const = 0;
    // The login name of the user, or empty when it cannot be found.
    virtual std::string nomDUtilisateur() const = 0;
    // A number of this running program, the same for its whole run and almost surely another in
    // any other program: the seeds drawn from the clock in seconds mix it in, so that two programs
    // started in the same second do not draw the same values.
    virtual std::uint32_t graineDuProcessus() const;

    virtual void information(const std::string& texte, const std::string& titre) = 0;
    // Yes/No; true for Yes.
    virtual bool question(const std::string& texte, const std::string& titre) = 0;
    // OK/Cancel warning; true for OK.
    virtual bool avertissement(const std::string& texte, const std::string& titre) = 0;
    virtual void erreur(const std::string& texte) = 0;

    // The platform in use. Until one is installed, a plain one without a user interface:
    // the real clock and login name, timers that never fire, message boxes written to the
    // standard error stream and answered with Yes/OK.
    static Plateforme& courante();
    static void installe(Plateforme* plateforme);
};
