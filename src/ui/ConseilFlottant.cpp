#include "ui/ConseilFlottant.h"

#include <QToolTip>

ConseilFlottant::ConseilFlottant(QWidget* proprietaire)
    : QLabel(proprietaire, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFont(QToolTip::font());
    setPalette(QToolTip::palette());
    setStyleSheet(QStringLiteral("QLabel { background: #fffbe6; color: #1d2a1f; border: 1px solid #7a5a00; padding: 2px 5px; }"));
    hide();
}

void ConseilFlottant::montre(const QString& texte, QPoint coin, bool enDessous) {
    setText(texte);
    adjustSize();
    QPoint position = enDessous ? coin : coin - QPoint(0, height());
    const QWidget* fenetre = parentWidget() ? parentWidget()->window() : nullptr;
    if (fenetre) {
        const QRect cadre(fenetre->mapToGlobal(QPoint(0, 0)), fenetre->size());
        position.setX(std::max(cadre.left(), std::min(position.x(), cadre.right() + 1 - width())));
    }
    move(position);
    show();
    raise();
}
