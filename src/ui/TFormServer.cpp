#include "ui/TFormServer.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "net/CompositionDesEquipes.h"
#include "ui/Texte.h"

namespace {

enum IdTexte {
    ID_TITRE = 5376,
    ID_JOUEURS_CONNECTES,
    ID_JOUEURS_DISPONIBLES,
    ID_EQUIPE_1,
    ID_EQUIPE_2,
    ID_AJOUTE,
    ID_RETIRE,
    ID_NOTE_FIREWALL,
    ID_OK,
    ID_ANNULER,
};

std::vector<int> rangsChoisis(const QListWidget& liste) {
    std::vector<int> rangs;
    for (int rang = 0; rang < liste.count(); ++rang)
        if (liste.item(rang)->isSelected()) rangs.push_back(rang);
    return rangs;
}

QGroupBox* groupe(const QString& titre, QWidget* contenu, QWidget* parent) {
    auto* boite = new QGroupBox(titre, parent);
    auto* disposition = new QVBoxLayout(boite);
    disposition->setContentsMargins(4, 4, 4, 4);
    disposition->addWidget(contenu);
    return boite;
}

}  // namespace

TFormServer::TFormServer(CompositionDesEquipes& composition, QWidget* parent)
    : QDialog(parent),
      TreeViewJoueurs(new QTreeWidget(this)),
      ListBoxJoueursDisponibles(new QListWidget(this)),
      ListBoxEquipe1(new QListWidget(this)),
      ListBoxEquipe2(new QListWidget(this)),
      ButtonAJouteEq1(new QPushButton(qtexte(ID_AJOUTE), this)),
      ButtonResetEq1(new QPushButton(qtexte(ID_RETIRE), this)),
      ButtonAjouteEq2(new QPushButton(qtexte(ID_AJOUTE), this)),
      ButtonResetEq2(new QPushButton(qtexte(ID_RETIRE), this)),
      LabelNoticePortFirewall(new QLabel(qtexte(ID_NOTE_FIREWALL), this)),
      ButtonOk(new QPushButton(qtexte(ID_OK), this)),
      ButtonCancel(new QPushButton(qtexte(ID_ANNULER), this)),
      composition_(composition) {
    setWindowTitle(qtexte(ID_TITRE));
    TreeViewJoueurs->setHeaderHidden(true);
    TreeViewJoueurs->setFont(QFont(QStringLiteral("Courier New")));
    TreeViewJoueurs->setFrameShape(QFrame::NoFrame);
    TreeViewJoueurs->setSelectionMode(QAbstractItemView::NoSelection);
    for (QListWidget* liste : {ListBoxJoueursDisponibles, ListBoxEquipe1, ListBoxEquipe2})
        liste->setSelectionMode(QAbstractItemView::ExtendedSelection);
    LabelNoticePortFirewall->setWordWrap(true);

    auto* equipes = new QGridLayout;
    equipes->addWidget(groupe(qtexte(ID_EQUIPE_1), ListBoxEquipe1, this), 0, 0, 2, 1);
    equipes->addWidget(ButtonAJouteEq1, 0, 1);
    equipes->addWidget(ButtonResetEq1, 1, 1);
    equipes->addWidget(groupe(qtexte(ID_EQUIPE_2), ListBoxEquipe2, this), 2, 0, 2, 1);
    equipes->addWidget(ButtonAjouteEq2, 2, 1);
    equipes->addWidget(ButtonResetEq2, 3, 1);
    equipes->addWidget(LabelNoticePortFirewall, 4, 0, 1, 2);

    auto* bas = new QHBoxLayout;
    bas->addWidget(groupe(qtexte(ID_JOUEURS_DISPONIBLES), ListBoxJoueursDisponibles, this), 1);
    bas->addLayout(equipes, 1);

    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(ButtonOk);
    boutons->addWidget(ButtonCancel);

    auto* disposition = new QVBoxLayout(this);
    disposition->addWidget(groupe(qtexte(ID_JOUEURS_CONNECTES), TreeViewJoueurs, this), 1);
    disposition->addLayout(bas, 2);
    disposition->addLayout(boutons);
    resize(485, 444);

    using Liste = CompositionDesEquipes::Liste;
    connect(ButtonAJouteEq1, &QPushButton::clicked, this,
            [this] { composition_.ajouteAEquipe(Liste::Equipe1, rangsChoisis(*ListBoxJoueursDisponibles)); });
    connect(ButtonAjouteEq2, &QPushButton::clicked, this,
            [this] { composition_.ajouteAEquipe(Liste::Equipe2, rangsChoisis(*ListBoxJoueursDisponibles)); });
    connect(ButtonResetEq1, &QPushButton::clicked, this,
            [this] { composition_.retireDeEquipe(Liste::Equipe1, rangsChoisis(*ListBoxEquipe1)); });
    connect(ButtonResetEq2, &QPushButton::clicked, this,
            [this] { composition_.retireDeEquipe(Liste::Equipe2, rangsChoisis(*ListBoxEquipe2)); });
    connect(ButtonOk, &QPushButton::clicked, this, [this] {
        if (composition_.confirme()) done(1);
    });
    connect(ButtonCancel, &QPushButton::clicked, this, [this] { done(2); });
    composition_.changement = [this] { rafraichit(); };
    rafraichit();
}

TFormServer::~TFormServer() { composition_.changement = nullptr; }

void TFormServer::rafraichit() {
    using Liste = CompositionDesEquipes::Liste;
    const std::pair<QListWidget*, Liste> listes[] = {
        {ListBoxJoueursDisponibles, Liste::Disponibles}, {ListBoxEquipe1, Liste::Equipe1}, {ListBoxEquipe2, Liste::Equipe2}};
    for (const auto& [vue, liste] : listes) {
        vue->clear();
        for (const auto& entree : composition_.liste(liste)) vue->addItem(qtexte(entree.nom));
    }
    TreeViewJoueurs->clear();
    for (const auto& [joueur, noeud] : composition_.noeuds()) {
        if (!noeud) continue;
        auto* haut = new QTreeWidgetItem(TreeViewJoueurs, {qtexte(noeud->nom)});
        new QTreeWidgetItem(haut, {qtexte(noeud->identifiant)});
        haut->setExpanded(true);
    }
}
