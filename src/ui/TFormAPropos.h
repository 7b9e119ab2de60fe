#pragma once

#include <QDialog>

class QGroupBox;
class QPushButton;
class QTextEdit;

// The About window: the program's title and version, its owner, where to find support, and
// thanks.
class TFormAbout : public QDialog {
    Q_OBJECT
public:
    // Lines of the text that come from the strings of the language in use.
    static constexpr int LIGNE_TITRE = 0;
    static constexpr int LIGNE_SUPPORT = 6;
    static constexpr int LIGNE_WEB = 7;

    explicit TFormAbout(QWidget* parent = nullptr);

    QGroupBox* const GroupBox;
    QTextEdit* const RichEdit;
    QPushButton* const ButtonOk;

protected:
    void showEvent(QShowEvent* evenement) override;
};
