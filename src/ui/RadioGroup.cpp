#include "ui/RadioGroup.h"

#include <QGridLayout>
#include <QRadioButton>

RadioGroup::RadioGroup(const QString& titre, int colonnes, QWidget* parent)
    : QGroupBox(titre, parent), disposition_(new QGridLayout(this)), colonnes_(colonnes < 1 ? 1 : colonnes) {}

void RadioGroup::setItems(const QStringList& items) {
    for (QAbstractButton* ancien : groupe_.buttons()) {
        groupe_.removeButton(ancien);
        delete ancien;
    }
    for (int i = 0; i < items.size(); ++i) {
        auto* bouton = new QRadioButton(items[i], this);
        groupe_.addButton(bouton, i);
        disposition_->addWidget(bouton, i / colonnes_, i % colonnes_);
    }
}

QStringList RadioGroup::items() const {
    QStringList textes;
    for (int i = 0; i < count(); ++i) textes << bouton(i)->text();
    return textes;
}

QRadioButton* RadioGroup::bouton(int index) const { return qobject_cast<QRadioButton*>(groupe_.button(index)); }

void RadioGroup::setItemIndex(int index) {
    if (QRadioButton* choisi = bouton(index)) {
        choisi->setChecked(true);
        return;
    }
    // An exclusive group refuses to uncheck its last checked button.
    groupe_.setExclusive(false);
    for (QAbstractButton* b : groupe_.buttons()) b->setChecked(false);
    groupe_.setExclusive(true);
}
