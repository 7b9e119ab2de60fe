#pragma once

#include <QPointer>
#include <QThreadPool>
#include <QWidget>

#include "platform/Plateforme.h"

// The platform of the desktop program: Qt timers, Qt's event loop, Qt message boxes.
class PlateformeQt : public Plateforme {
public:
    std::unique_ptr<Minuterie> creeMinuterie(std::function<void()> action) override;
    void traiteMessagesEnAttente() override;
    // A local event loop: the window keeps answering while a replay pauses.
    void attend(int millisecondes) override;
    // On a thread of the platform's own pool; `fini` comes back as an event of the main thread's
    // loop. The platform is destroyed before the application and waits for the work still out, so
    // no thread outlives the program's objects at its end.
    void enArrierePlan(std::function<void()> travail, std::function<void()> fini) override;
    std::chrono::steady_clock::time_point maintenant() const override;
    std::tm heureLocale() const override;
    std::string nomDUtilisateur() const override;

    void information(const std::string& texte, const std::string& titre) override;
    bool question(const std::string& texte, const std::string& titre) override;
    bool avertissement(const std::string& texte, const std::string& titre) override;
    void erreur(const std::string& texte) override;

    // The window the boxes belong to.
    void setFenetre(QWidget* fenetre) { fenetre_ = fenetre; }
    QWidget* fenetre() const { return fenetre_; }

private:
    QPointer<QWidget> fenetre_;
    QThreadPool travaux_;
};

// Counts the calls into the game that are running, from timers and from the user's actions. A
// game may be replaced while one of its own calls waits in a nested event loop (a message box,
// a replay pause); the old table is then destroyed only once no such call is left.
class AppelAuJeu {
public:
    AppelAuJeu() { ++profondeur_; }
    ~AppelAuJeu() { --profondeur_; }
    AppelAuJeu(const AppelAuJeu&) = delete;
    AppelAuJeu& operator=(const AppelAuJeu&) = delete;
    static int profondeur() { return profondeur_; }

private:
    static inline int profondeur_ = 0;
};
