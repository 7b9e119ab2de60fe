#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

class QGridLayout;
class QRadioButton;

// A titled group of exclusive choices whose selection is an index: the dialogs keep the
// records' choices (variant, game type, level, calls) as the index of the selected item.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    // The items are laid out in `colonnes` columns, filled row by row.
    explicit RadioGroup(const QString& titre, int colonnes = 1, QWidget* parent = nullptr);

    // Replaces every item; nothing is selected afterwards.
    void setItems(const QStringList& items);
    QStringList items() const;
    int count() const { return static_cast<int>(groupe_.buttons().size()); }
    QRadioButton* bouton(int index) const;

    // -1 when nothing is selected; an index out of range selects nothing.
    int itemIndex() const { return groupe_.checkedId(); }
    void setItemIndex(int index);

private:
    QButtonGroup groupe_;
    QGridLayout* disposition_;
    int colonnes_;
};
