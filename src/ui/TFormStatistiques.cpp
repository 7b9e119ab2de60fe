#include "ui/TFormStatistiques.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "events/Statistiques.h"
#include "ui/DialogueAvecOk.h"
#include "ui/Texte.h"

namespace {
constexpr int ID_FICHIER_CORROMPU = 3808;
constexpr int ID_ERREUR = 3809;
constexpr int ID_TITRE = 5168;
constexpr int ID_EXPLICATION = 5169;
constexpr int ID_PARTIES_JOUEES = 5170;
constexpr int ID_PARTIES_GAGNEES = 5171;
constexpr int ID_DIFFERENCE_POINTS = 5172;
constexpr int ID_OK = 5173;
}  // namespace

TFormStatistiques::TFormStatistiques(Statistiques& statistiques, QWidget* parent)
    : QDialog(parent),
      GroupBoxStatistiques(new QGroupBox(qtexte(ID_TITRE), this)),
      MemoExplication(new QTextEdit(GroupBoxStatistiques)),
      LabelPartiesJouees(new QLabel(GroupBoxStatistiques)),
      LabelPartiesGagnees(new QLabel(GroupBoxStatistiques)),
      LabelTotalPoints(new QLabel(GroupBoxStatistiques)),
      ButtonOk(new QPushButton(qtexte(ID_OK), this)),
      statistiques_(statistiques) {
    setWindowTitle(qtexte(ID_TITRE));
    MemoExplication->setReadOnly(true);
    MemoExplication->setFrameShape(QFrame::NoFrame);
    MemoExplication->viewport()->setAutoFillBackground(false);
    MemoExplication->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MemoExplication->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MemoExplication->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
    // The text's lines were cut for one font; it reads better flowing in whatever font is used.
    MemoExplication->setPlainText(qtexte(ID_EXPLICATION).replace(QLatin1Char('\n'), QLatin1Char(' ')).simplified());

    auto* valeurs = new QGridLayout;
    QLabel* const labels[] = {LabelPartiesJouees, LabelPartiesGagnees, LabelTotalPoints};
    for (int ligne = 0; ligne < 3; ++ligne) {
        valeurs->addWidget(new QLabel(qtexte(ID_PARTIES_JOUEES + ligne), GroupBoxStatistiques), ligne, 1);
        valeurs->addWidget(labels[ligne], ligne, 2, Qt::AlignRight);
    }
    valeurs->setColumnStretch(0, 1);
    valeurs->setColumnMinimumWidth(2, 60);
    valeurs->setColumnStretch(3, 1);
    auto* groupe = new QVBoxLayout(GroupBoxStatistiques);
    groupe->addWidget(MemoExplication, 1);
    groupe->addLayout(valeurs);

    disposeAvecOk(*this, GroupBoxStatistiques, ButtonOk);
    resize(337, 261);
    rafraichit();
}

void TFormStatistiques::ajouteResultat(std::int32_t difference, bool gagne) {
    statistiques_.ajouteResultat(difference, gagne);
    rafraichit();
}

std::string TFormStatistiques::texte() const { return statistiques_.texte(); }

void TFormStatistiques::charge(const std::string& texte) {
    const bool intact = statistiques_.charge(texte);
    rafraichit();
    if (!intact) QMessageBox::critical(this, qtexte(ID_ERREUR), qtexte(ID_FICHIER_CORROMPU));
}

void TFormStatistiques::rafraichit() {
    LabelPartiesJouees->setNum(statistiques_.getPartiesJouees());
    LabelPartiesGagnees->setNum(statistiques_.getPartiesGagnees());
    LabelTotalPoints->setNum(statistiques_.getTotalPoints());
}

void TFormStatistiques::showEvent(QShowEvent* evenement) {
    rafraichit();
    QDialog::showEvent(evenement);
}
