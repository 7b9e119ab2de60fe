#pragma once

#include <QDialog>
#include <cstdint>
#include <string>

class QGroupBox;
class QLabel;
class QPushButton;
class QTextEdit;
class Statistiques;

// Shows the running statistics of the user's games. The record belongs to the program; the
// table updates it when a game ends or a game file restores it, so the window reads it again
// each time it is shown.
class TFormStatistiques : public QDialog {
    Q_OBJECT
public:
    explicit TFormStatistiques(Statistiques& statistiques, QWidget* parent = nullptr);

    void ajouteResultat(std::int32_t difference, bool gagne);
    std::string texte() const;
    // Restores the record from its text. A record whose check value does not match is reset to
    // zero and the user is told so. Throws ErreurDeFormat or ErreurDeConversion when the text is
    // not a record of four integers, leaving the values as they were.
    void charge(const std::string& texte);
    void rafraichit();

    QGroupBox* const GroupBoxStatistiques;
    QTextEdit* const MemoExplication;
    QLabel* const LabelPartiesJouees;
    QLabel* const LabelPartiesGagnees;
    QLabel* const LabelTotalPoints;
    QPushButton* const ButtonOk;

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    Statistiques& statistiques_;
};
