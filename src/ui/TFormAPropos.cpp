#include "ui/TFormAPropos.h"

#include <QGroupBox>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "ui/DialogueAvecOk.h"
#include "ui/Texte.h"

namespace {
constexpr int ID_TITRE_ET_VERSION = 2;
constexpr int ID_SUPPORT = 3;
constexpr int ID_WEB = 4;
constexpr int ID_TITRE = 5152;
constexpr int ID_TEXTE = 5153;
constexpr int ID_OK = 5154;

void remplaceLigne(QStringList& lignes, int ligne, const QString& texte) {
    if (ligne < lignes.size()) lignes[ligne] = texte;
}
}  // namespace

TFormAbout::TFormAbout(QWidget* parent)
    : QDialog(parent),
      GroupBox(new QGroupBox(this)),
      RichEdit(new QTextEdit(GroupBox)),
      ButtonOk(new QPushButton(qtexte(ID_OK), this)) {
    setWindowTitle(qtexte(ID_TITRE));
    RichEdit->setReadOnly(true);
    RichEdit->setFrameShape(QFrame::NoFrame);
    RichEdit->viewport()->setAutoFillBackground(false);
    RichEdit->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
    auto* groupe = new QVBoxLayout(GroupBox);
    groupe->setContentsMargins(2, 2, 2, 2);
    groupe->addWidget(RichEdit);
    disposeAvecOk(*this, GroupBox, ButtonOk)->setContentsMargins(6, 6, 6, 6);
    setFixedSize(335, 231);
}

void TFormAbout::showEvent(QShowEvent* evenement) {
    // The title, the support and the web addresses follow the language chosen on the command
    // line, which is loaded after the window exists.
    QStringList lignes = qtexte(ID_TEXTE).split(QLatin1Char('\n'));
    remplaceLigne(lignes, LIGNE_TITRE, qtexte(ID_TITRE_ET_VERSION));
    remplaceLigne(lignes, LIGNE_SUPPORT, qtexte(ID_SUPPORT));
    remplaceLigne(lignes, LIGNE_WEB, qtexte(ID_WEB));
    RichEdit->setPlainText(lignes.join(QLatin1Char('\n')));
    QDialog::showEvent(evenement);
}
