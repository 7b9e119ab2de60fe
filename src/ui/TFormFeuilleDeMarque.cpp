#include "ui/TFormFeuilleDeMarque.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/DialogueAvecOk.h"
#include "ui/Texte.h"

namespace {

enum IdTexte {
    ID_TITRE = 3957,
    ID_DONNE = 3958,
    ID_ATOUT = 3959,
    ID_CHOISI_PAR = 3960,
    ID_TOTAL = 3961,
    ID_AUCUNE_DONNE = 3965,
    ID_OK = 5173,
};

enum Colonne { Donne, Atout, ChoisiPar, Points1, Total1, Points2, Total2, NB_COLONNES };

}  // namespace

TFormFeuilleDeMarque::TFormFeuilleDeMarque(const std::vector<LigneDeMarque>& lignes,
                                           const std::array<std::string, 2>& equipes, QWidget* parent)
    : QDialog(parent),
      TableMarque(new QTableWidget(static_cast<int>(lignes.size()), NB_COLONNES, this)),
      LabelAucuneDonne(new QLabel(qtexte(ID_AUCUNE_DONNE), this)),
      ButtonOk(new QPushButton(qtexte(ID_OK), this)) {
    setWindowTitle(qtexte(ID_TITRE));
    TableMarque->setAccessibleName(qtexte(ID_TITRE));
    TableMarque->setHorizontalHeaderLabels({qtexte(ID_DONNE), qtexte(ID_ATOUT), qtexte(ID_CHOISI_PAR),
                                            qtexte(equipes[0]), qtexte(ID_TOTAL), qtexte(equipes[1]),
                                            qtexte(ID_TOTAL)});
    TableMarque->verticalHeader()->hide();
    TableMarque->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TableMarque->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int rang = 0; rang < static_cast<int>(lignes.size()); ++rang) {
        const LigneDeMarque& ligne = lignes[rang];
        const std::string cellules[NB_COLONNES] = {ligne.donne,     ligne.atout,     ligne.choix,    ligne.points[0],
                                                   ligne.totaux[0], ligne.points[1], ligne.totaux[1]};
        for (int colonne = 0; colonne < NB_COLONNES; ++colonne) {
            auto* cellule = new QTableWidgetItem(qtexte(cellules[colonne]));
            const bool nombre = colonne == Donne || colonne >= Points1;
            cellule->setTextAlignment(Qt::AlignVCenter | (nombre ? Qt::AlignRight : Qt::AlignLeft));
            if (colonne == Total1 || colonne == Total2) {
                QFont gras = cellule->font();
                gras.setBold(true);
                cellule->setFont(gras);
            }
            TableMarque->setItem(rang, colonne, cellule);
        }
    }
    TableMarque->resizeColumnsToContents();
    TableMarque->horizontalHeader()->setStretchLastSection(true);
    if (!lignes.empty()) TableMarque->scrollToItem(TableMarque->item(static_cast<int>(lignes.size()) - 1, 0));
    LabelAucuneDonne->setAlignment(Qt::AlignCenter);
    LabelAucuneDonne->setVisible(lignes.empty());
    TableMarque->setVisible(!lignes.empty());

    auto* groupe = new QWidget(this);
    auto* contenu = new QVBoxLayout(groupe);
    contenu->setContentsMargins(0, 0, 0, 0);
    contenu->addWidget(TableMarque);
    contenu->addWidget(LabelAucuneDonne);
    disposeAvecOk(*this, groupe, ButtonOk);
    resize(720, 380);
}
