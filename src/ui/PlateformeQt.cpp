#include "ui/PlateformeQt.h"

#include <pwd.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>
#include <cstdlib>
#include <ctime>

#include "ui/Texte.h"

namespace {

class MinuterieQt : public Minuterie {
public:
    explicit MinuterieQt(std::function<void()> action) : action_(std::move(action)), timer_(new QTimer) {
        QObject::connect(timer_, &QTimer::timeout, timer_, [this] { declenche(); });
    }

    // The action may destroy its own timer (a player leaving the game it ends): the Qt timer
    // then goes once its signal is over.
    ~MinuterieQt() override {
        *vivante_ = false;
        timer_->stop();
        if (enAction_)
            timer_->deleteLater();
        else
            delete timer_;
    }

    void demarre(int intervalleMs, bool periodique) override {
        timer_->setSingleShot(!periodique);
        timer_->start(intervalleMs);
    }
    void arrete() override { timer_->stop(); }
    bool estActive() const override { return timer_->isActive(); }

private:
    void declenche() {
        const auto vivante = vivante_;
        const auto action = action_;
        AppelAuJeu appel;
        enAction_ = true;
        action();
        if (*vivante) enAction_ = false;
    }

    std::function<void()> action_;
    QTimer* timer_;
    bool enAction_ = false;
    std::shared_ptr<bool> vivante_ = std::make_shared<bool>(true);
};

}  // namespace

std::unique_ptr<Minuterie> PlateformeQt::creeMinuterie(std::function<void()> action) {
    return std::make_unique<MinuterieQt>(std::move(action));
}

void PlateformeQt::traiteMessagesEnAttente() { QCoreApplication::processEvents(); }

void PlateformeQt::attend(int millisecondes) {
    QEventLoop boucle;
    QTimer::singleShot(millisecondes, &boucle, &QEventLoop::quit);
    boucle.exec();
}

void PlateformeQt::enArrierePlan(std::function<void()> travail, std::function<void()> fini) {
    travaux_.start([travail = std::move(travail), fini = std::move(fini)] {
        travail();
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [fini] {
                AppelAuJeu appel;
                fini();
            },
            Qt::QueuedConnection);
    });
}

std::chrono::steady_clock::time_point PlateformeQt::maintenant() const { return std::chrono::steady_clock::now(); }

std::tm PlateformeQt::heureLocale() const {
    const std::time_t t = std::time(nullptr);
    std::tm resultat{};
    localtime_r(&t, &resultat);
    return resultat;
}

std::string PlateformeQt::nomDUtilisateur() const {
    if (const passwd* compte = getpwuid(geteuid()); compte && compte->pw_name) return compte->pw_name;
    const char* user = std::getenv("USER");
    return user ? user : "";
}

void PlateformeQt::information(const std::string& texte, const std::string& titre) {
    QMessageBox::information(fenetre_, qtexte(titre), qtexte(texte));
}

bool PlateformeQt::question(const std::string& texte, const std::string& titre) {
    return QMessageBox::question(fenetre_, qtexte(titre), qtexte(texte), QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

bool PlateformeQt::avertissement(const std::string& texte, const std::string& titre) {
    return QMessageBox::warning(fenetre_, qtexte(titre), qtexte(texte), QMessageBox::Ok | QMessageBox::Cancel) ==
           QMessageBox::Ok;
}

void PlateformeQt::erreur(const std::string& texte) {
    QMessageBox::critical(fenetre_, QCoreApplication::applicationName(), qtexte(texte));
}
