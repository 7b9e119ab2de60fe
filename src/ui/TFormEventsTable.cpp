#include "ui/TFormEventsTable.h"

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "events/ListeDesEvenements.h"
#include "ui/Texte.h"

namespace {
constexpr int ID_TITRE = 5184;
constexpr int ID_EXECUTES = 5185;
constexpr int ID_EN_QUEUE = 5186;
constexpr int HAUTEUR_EN_QUEUE = 105;

QPlainTextEdit* creeMemo(QGroupBox* groupe) {
    auto* memo = new QPlainTextEdit(groupe);
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    (new QVBoxLayout(groupe))->addWidget(memo);
    return memo;
}

void montreLignes(QPlainTextEdit& memo, const std::vector<std::string>& lignes) {
    QStringList texte;
    texte.reserve(static_cast<qsizetype>(lignes.size()));
    for (const std::string& ligne : lignes) texte << qtexte(ligne);
    memo.setPlainText(texte.join(QLatin1Char('\n')));
}
}  // namespace

TFormEventsTable::TFormEventsTable(QWidget* parent)
    : QWidget(parent, Qt::Tool),
      GroupBoxEventsTable(new QGroupBox(qtexte(ID_EXECUTES), this)),
      MemoEventsTable(creeMemo(GroupBoxEventsTable)),
      GroupBoxEnQueue(new QGroupBox(qtexte(ID_EN_QUEUE), this)),
      MemoEnQueue(creeMemo(GroupBoxEnQueue)) {
    setWindowTitle(qtexte(ID_TITRE));
    GroupBoxEnQueue->setFixedHeight(HAUTEUR_EN_QUEUE);
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->setSpacing(0);
    disposition->addWidget(GroupBoxEventsTable, 1);
    disposition->addWidget(GroupBoxEnQueue);
    setGeometry(382, 583, 305, 250);
}

TFormEventsTable::~TFormEventsTable() { observe(nullptr); }

void TFormEventsTable::observe(ListeDesEvenements* liste) {
    if (liste_ != nullptr) liste_->changement = nullptr;
    liste_ = liste;
    if (liste_ != nullptr) {
        liste_->changement = [this] {
            if (isVisible()) rafraichit();
        };
    }
    if (isVisible()) rafraichit();
}

void TFormEventsTable::rafraichit() {
    if (liste_ == nullptr) {
        MemoEventsTable->clear();
        MemoEnQueue->clear();
        return;
    }
    montreLignes(*MemoEventsTable, liste_->enregistrement());
    montreLignes(*MemoEnQueue, liste_->enQueue());
    // The newest released event is the one worth seeing.
    MemoEventsTable->moveCursor(QTextCursor::End);
    MemoEventsTable->verticalScrollBar()->setValue(MemoEventsTable->verticalScrollBar()->maximum());
}

void TFormEventsTable::showEvent(QShowEvent* evenement) {
    rafraichit();
    QWidget::showEvent(evenement);
}
