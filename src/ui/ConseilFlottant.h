#pragma once

#include <QLabel>

// A hint that lies where its owner puts it and lets every click through to what is under it,
// unlike a tool tip, which the platform places under the pointer over the next control.
class ConseilFlottant : public QLabel {
    Q_OBJECT
public:
    explicit ConseilFlottant(QWidget* proprietaire);
    // Shows the text with its top left corner at that point of the screen, moved back inside the
    // owner's window when it would leave it; with enDessous false, its bottom left corner.
    void montre(const QString& texte, QPoint coin, bool enDessous);
};
