#include "platform/Plateforme.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

class MinuterieInerte : public Minuterie {
public:
    void demarre(int, bool) override { active_ = true; }
    void arrete() override { active_ = false; }
    bool estActive() const override { return active_; }

private:
    bool active_ = false;
};

class PlateformeSansInterface : public Plateforme {
public:
    std::unique_ptr<Minuterie> creeMinuterie(std::function<void()>) override {
        return std::make_unique<MinuterieInerte>();
    }
    void traiteMessagesEnAttente() override {}
    void attend(int millisecondes) override { std::this_thread::sleep_for(std::chrono::milliseconds(millisecondes)); }
    std::chrono::steady_clock::time_point maintenant() const override { return std::chrono::steady_clock::now(); }
    std::tm heureLocale() const override {
        const std::time_t t = std::time(nullptr);
        std::tm local{};
        localtime_r(&t, &local);
        return local;
    }
    std::string nomDUtilisateur() const override {
        if (const passwd* compte = getpwuid(geteuid()); compte && compte->pw_name) return compte->pw_name;
        const char* user = std::getenv("USER");
        return user ? user : "";
    }
    void information(const std::string& texte, const std::string& titre) override {
        std::fprintf(stderr, "%s: %s\n", titre.c_str(), texte.c_str());
    }
    bool question(const std::string& texte, const std::string& titre) override {
        information(texte, titre);
        return true;
    }
    bool avertissement(const std::string& texte, const std::string& titre) override {
        information(texte, titre);
        return true;
    }
    void erreur(const std::string& texte) override { information(texte, "Erreur"); }
};

Plateforme*& installee() {
    static Plateforme* plateforme = nullptr;
    return plateforme;
}

}  // namespace

std::uint32_t Plateforme::graineDuProcessus() const {
    // The process number tells apart the programs of one computer, the clock's nanoseconds since
    // the computer started those of different computers.
    static const std::uint32_t graine =
        static_cast<std::uint32_t>(::getpid()) * 2654435761u ^
        static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    return graine;
}

Plateforme& Plateforme::courante() {
    static PlateformeSansInterface parDefaut;
    Plateforme* plateforme = installee();
    return plateforme ? *plateforme : parDefaut;
}

void Plateforme::installe(Plateforme* plateforme) { installee() = plateforme; }
