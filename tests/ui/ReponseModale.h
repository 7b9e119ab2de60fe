#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

// Acts on the modal window that the code under test opens next: the action runs from the
// window's own event loop, and the window is closed afterwards if the action left it open, so a
// test that fails never hangs on it.
template <class Fenetre = QWidget>
void quandModalOuvert(std::function<void(Fenetre&)> action) {
    QTimer::singleShot(0, [action] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* fenetre = qobject_cast<Fenetre*>(modal);
        if (fenetre == nullptr) {
            ADD_FAILURE() << "no modal window of the expected kind is open";
        } else {
            action(*fenetre);
        }
        if (modal != nullptr && modal->isVisible()) modal->close();
    });
}
