#include "ui/TFormOptionsDePartie.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "rules/TypeDePartiesPossibles.h"
#include "ui/RadioGroup.h"
#include "ui/Texte.h"

namespace {
constexpr int ID_TITRE = 5120;
constexpr int ID_TYPE_DE_CHIBRE = 5121;
constexpr int ID_TYPE_DE_PARTIE = 5122;
constexpr int ID_STANDARD = 5123;  // then Concours
constexpr int ID_NIVEAU = 5125;
constexpr int ID_DEBUTANT = 5126;  // then Avancé, Expert
constexpr int ID_OK = 5129;
constexpr int ID_MAITRE = 3900;
constexpr int ID_QUI_VOIT_LES_CARTES = 3901;
}  // namespace

TFormOptionsDePartie::TFormOptionsDePartie(QWidget* parent)
    : QDialog(parent),
      RadioGroupTypeChibre(new RadioGroup(qtexte(ID_TYPE_DE_CHIBRE), 1, this)),
      RadioGroupTypePartie(new RadioGroup(qtexte(ID_TYPE_DE_PARTIE), 1, this)),
      RadioGroupNivau(new RadioGroup(qtexte(ID_NIVEAU), 4, this)),
      LabelQuiVoitLesCartes(new QLabel(qtexte(ID_QUI_VOIT_LES_CARTES), this)),
      ButtonOk(new QPushButton(qtexte(ID_OK), this)) {
    setWindowTitle(qtexte(ID_TITRE));
    RadioGroupTypePartie->setItems({qtexte(ID_STANDARD), qtexte(ID_STANDARD + 1)});
    RadioGroupNivau->setItems(
        {qtexte(ID_DEBUTANT), qtexte(ID_DEBUTANT + 1), qtexte(ID_DEBUTANT + 2), qtexte(ID_MAITRE)});
    LabelQuiVoitLesCartes->setWordWrap(true);
    ButtonOk->setDefault(true);
    connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);

    auto* niveau = new QVBoxLayout;
    niveau->addWidget(RadioGroupNivau);
    niveau->addWidget(LabelQuiVoitLesCartes);
    auto* basDuDialogue = new QHBoxLayout;
    basDuDialogue->addLayout(niveau, 1);
    basDuDialogue->addWidget(ButtonOk, 0, Qt::AlignBottom);
    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(RadioGroupTypeChibre);
    disposition->addWidget(RadioGroupTypePartie);
    disposition->addLayout(basDuDialogue);
    resize(619, 326);
}

void TFormOptionsDePartie::choisit(OptionsDePartie& options) {
    // The variants' descriptions come from the string table: rebuilt at each opening so that they
    // follow the language in use.
    QStringList descriptions;
    const TypeDePartiesPossibles& types = TypeDePartiesPossibles::commune();
    for (std::size_t i = 0; i < types.size(); ++i) descriptions << qtexte(types[i].getDescription());
    RadioGroupTypeChibre->setItems(descriptions);
    RadioGroupTypeChibre->setItemIndex(options.getTypeChibre());
    RadioGroupTypePartie->setItemIndex(options.getTypePartie());
    RadioGroupNivau->setItemIndex(options.getNiveau());

    exec();

    if (RadioGroupTypeChibre->itemIndex() >= 0) options.setTypeChibre(RadioGroupTypeChibre->itemIndex());
    if (RadioGroupTypePartie->itemIndex() >= 0)
        options.setTypePartie(static_cast<OptionsDePartie::TypePartie>(RadioGroupTypePartie->itemIndex()));
    if (RadioGroupNivau->itemIndex() >= 0) options.setNiveau(RadioGroupNivau->itemIndex());
}

OptionsDePartie TFormOptionsDePartie::choisit(QWidget* parent, OptionsDePartie options) {
    TFormOptionsDePartie dialogue(parent);
    dialogue.choisit(options);
    return options;
}
