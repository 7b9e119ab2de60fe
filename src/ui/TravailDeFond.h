#pragma once

#include <QCoreApplication>
#include <QThreadPool>
#include <atomic>
#include <functional>
#include <memory>

// Work of the coach and of the master's advice, which may take seconds: it runs in Qt's thread
// pool, and its answer comes back to the window's thread through the event loop. Whoever asked
// sets `abandon` when the answer is no longer wanted (another game, the asker going away): the
// work sees it and stops, and the answer is dropped, so it never reaches an object that is gone.
template <class Resultat>
void lanceTravailDeFond(std::shared_ptr<std::atomic<bool>> abandon,
                        std::function<Resultat(const std::atomic<bool>& abandon)> travail,
                        std::function<void(Resultat)> livre) {
    QThreadPool::globalInstance()->start([abandon, travail = std::move(travail), livre = std::move(livre)] {
        Resultat resultat = travail(*abandon);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [abandon, livre, resultat = std::move(resultat)] {
                if (!abandon->load()) livre(resultat);
            },
            Qt::QueuedConnection);
    });
}
