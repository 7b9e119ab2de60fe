#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>

#include <atomic>
#include <memory>
#include <thread>

#include "ui/PlateformeQt.h"

namespace {

// A computer player's search runs away from the window's thread, and its answer comes back on it
// as an event of the loop, never from inside the call.
TEST(PlateformeQtEnArrierePlan, LeTravailQuitteLeFilDeLaFenetreEtLaReponseYRevient) {
    PlateformeQt plateforme;
    std::thread::id filDuTravail;
    std::thread::id filDeLaReponse;
    bool fini = false;
    plateforme.enArrierePlan([&] { filDuTravail = std::this_thread::get_id(); },
                             [&] {
                                 filDeLaReponse = std::this_thread::get_id();
                                 fini = true;
                             });
    EXPECT_FALSE(fini);
    // The work runs in a thread of the pool, which a loaded machine may start late: the loop
    // waits for the answer rather than counting turns that may all come before it.
    ASSERT_TRUE(QTest::qWaitFor([&] { return fini; }, 20000));
    EXPECT_NE(filDuTravail, std::this_thread::get_id());
    EXPECT_EQ(filDeLaReponse, std::this_thread::get_id());
}

// At the program's end the platform goes before the application: it waits for the work still out,
// so no search runs on while the program's objects are destroyed.
TEST(PlateformeQtEnArrierePlan, LaPlateformeDetruiteAttendLeTravailEnCours) {
    std::atomic<bool> commence{false};
    std::atomic<bool> libere{false};
    auto termine = std::make_shared<std::atomic<bool>>(false);
    std::thread liberateur;
    {
        PlateformeQt plateforme;
        plateforme.enArrierePlan(
            [&, termine] {
                commence = true;
                while (!libere) std::this_thread::yield();
                *termine = true;
            },
            [] {});
        while (!commence) std::this_thread::yield();
        liberateur = std::thread([&] { libere = true; });
    }
    EXPECT_TRUE(*termine);
    liberateur.join();
    QCoreApplication::processEvents();
}

}  // namespace
