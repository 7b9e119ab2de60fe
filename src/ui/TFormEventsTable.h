#pragma once

#include <QWidget>

class ListeDesEvenements;
class QGroupBox;
class QPlainTextEdit;

// The events window of the debug view: the record of the released events and the events still
// waiting in their slots. It repaints only while shown, since the list changes with every event.
class TFormEventsTable : public QWidget {
    Q_OBJECT
public:
    explicit TFormEventsTable(QWidget* parent = nullptr);
    ~TFormEventsTable() override;

    // Shows this list from now on (nullptr: none). Call it before the list it shows is destroyed,
    // since the window listens to the list's changes.
    void observe(ListeDesEvenements* liste);
    void rafraichit();

    QGroupBox* const GroupBoxEventsTable;
    QPlainTextEdit* const MemoEventsTable;
    QGroupBox* const GroupBoxEnQueue;
    QPlainTextEdit* const MemoEnQueue;

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    ListeDesEvenements* liste_ = nullptr;
};
