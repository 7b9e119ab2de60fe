#include "ui/TFormAnalyseJoueur.h"

#include <QAction>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QGraphicsLayout>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStackedBarSeries>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <map>

#include "rules/Carte.h"
#include "ui/Texte.h"

namespace {
constexpr int ID_SHEET_TEXT = 5200;
constexpr int ID_SHEET_PROBS = 5201;
constexpr int ID_SHEET_PROJECTIONS = 5202;
constexpr int ID_SHEET_TREE = 5203;
constexpr int ID_CONTINUE = 5204;
constexpr int ID_EXPAND = 5205;
constexpr int ID_HAUT_G = 5206;  // then the corners of seats 1 to 3
constexpr int ID_NOM_TREFLE = 256;  // then Carreau, Pique, Coeur
constexpr int LARGEUR_PANEL2 = 96;
constexpr int INDENTATION_ARBRE = 19;

// The colour of each seat's share in the suit charts, in seat order.
const std::array<QColor, 4> COULEURS_DES_SIEGES = {QColor(255, 0, 0), QColor(0, 128, 255), QColor(255, 255, 0),
                                                   QColor(0, 255, 0)};
// The suit charts' names, by suit: the pages of Pique and Coeur hold Chart4 and Chart3.
const std::array<const char*, 4> NOMS_DES_GRAPHIQUES = {"Chart1", "Chart2", "Chart4", "Chart3"};

QFont policeDesAxes() {
    QFont police(QStringLiteral("Arial"));
    police.setPixelSize(9);
    return police;
}

QValueAxis* axeDeValeurs(QChart& graphique, Qt::Alignment bord) {
    auto* axe = new QValueAxis;
    axe->setLabelsFont(policeDesAxes());
    axe->setLabelFormat(QStringLiteral("%g"));
    graphique.addAxis(axe, bord);
    return axe;
}

// A step of 1, 2 or 5 times a power of ten that cuts the range into at most five parts, so that
// the ticks fall on round numbers.
double pasRond(double etendue) {
    for (double puissance = 1.0;; puissance *= 10.0)
        for (const double chiffre : {1.0, 2.0, 5.0})
            if (etendue <= 5.0 * chiffre * puissance) return chiffre * puissance;
}

QChart* nouveauGraphique() {
    auto* graphique = new QChart;
    graphique->setMargins(QMargins(0, 0, 0, 0));
    graphique->layout()->setContentsMargins(0, 0, 0, 0);
    graphique->setBackgroundRoundness(0);
    graphique->setPlotAreaBackgroundBrush(Qt::white);
    graphique->setPlotAreaBackgroundVisible(true);
    return graphique;
}

QChartView* vueDeGraphique(QChart* graphique, QWidget* parent) {
    auto* vue = new QChartView(graphique, parent);
    vue->setFrameShape(QFrame::NoFrame);
    vue->setRenderHint(QPainter::Antialiasing);
    return vue;
}

// A suit chart: one stacked bar per rank, split by seat.
QChartView* creeGraphiqueCouleur(QWidget* page) {
    QChart* graphique = nouveauGraphique();
    graphique->legend()->setAlignment(Qt::AlignBottom);
    graphique->legend()->setFont(policeDesAxes());
    auto* series = new QStackedBarSeries;
    for (int siege = 0; siege < 4; ++siege) {
        auto* part = new QBarSet(qtexte(ID_HAUT_G + siege));
        part->setColor(COULEURS_DES_SIEGES[static_cast<unsigned>(siege)]);
        part->setBorderColor(COULEURS_DES_SIEGES[static_cast<unsigned>(siege)].darker(130));
        series->append(part);
    }
    series->setBarWidth(0.9);
    graphique->addSeries(series);
    auto* rangs = new QBarCategoryAxis;
    rangs->setLabelsFont(policeDesAxes());
    rangs->setTruncateLabels(false);
    graphique->addAxis(rangs, Qt::AlignBottom);
    series->attachAxis(rangs);
    series->attachAxis(axeDeValeurs(*graphique, Qt::AlignLeft));
    QChartView* vue = vueDeGraphique(graphique, page);
    (new QVBoxLayout(page))->addWidget(vue);
    page->layout()->setContentsMargins(0, 0, 0, 0);
    return vue;
}

void dessineGraphiqueCouleur(QChart& graphique, const AnalyseJoueur::GraphiqueCouleur& donnees) {
    // The bars of the four seats line up by their x (the rank); a rank missing from a seat's
    // series adds nothing to it.
    std::map<double, QString> libelles;
    for (const AnalyseJoueur::Serie& serie : donnees.series)
        for (const AnalyseJoueur::Barre& barre : serie) libelles.emplace(barre.x, qtexte(barre.libelle));
    std::map<double, int> colonnes;
    QStringList categories;
    for (const auto& [x, libelle] : libelles) {
        colonnes.emplace(x, static_cast<int>(categories.size()));
        categories << libelle;
    }

    auto* series = static_cast<QStackedBarSeries*>(graphique.series().at(0));
    std::vector<double> totaux(categories.size(), 0.0);
    for (int siege = 0; siege < 4; ++siege) {
        QList<qreal> hauteurs(categories.size(), 0.0);
        for (const AnalyseJoueur::Barre& barre : donnees.series[static_cast<unsigned>(siege)]) {
            const int colonne = colonnes.at(barre.x);
            hauteurs[colonne] += barre.hauteur;
            totaux[static_cast<unsigned>(colonne)] += barre.hauteur;
        }
        QBarSet* part = series->barSets().at(siege);
        part->remove(0, part->count());
        part->append(hauteurs);
    }
    auto* rangs = static_cast<QBarCategoryAxis*>(graphique.axes(Qt::Horizontal).at(0));
    rangs->setCategories(categories);
    // A card's probabilities add up to 1 only within the rounding of their sum: a total a hair
    // above 1 must not double the axis.
    const double plusHaute = totaux.empty() ? 0.0 : *std::max_element(totaux.begin(), totaux.end());
    auto* parts = static_cast<QValueAxis*>(graphique.axes(Qt::Vertical).at(0));
    parts->setRange(0.0, std::max(1.0, std::round(plusHaute * 1e4) / 1e4));
    parts->applyNiceNumbers();
}

// A candidate card's projection: how often each score came out of its samples, drawn as thin
// bars over the deal's whole range of points.
QChartView* creeProjection(const AnalyseJoueur::Projection& projection, QWidget* page) {
    QChart* graphique = nouveauGraphique();
    graphique->legend()->hide();
    auto* barres = new QLineSeries;
    barres->setPen(QPen(QColor(255, 0, 0), 2));
    AnalyseJoueur::Serie triee = projection.serie;
    std::sort(triee.begin(), triee.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
    double plusHaute = 0.0;
    for (const AnalyseJoueur::Barre& barre : triee) {
        barres->append(barre.x, 0.0);
        barres->append(barre.x, barre.hauteur);
        barres->append(barre.x, 0.0);
        plusHaute = std::max(plusHaute, barre.hauteur);
    }
    graphique->addSeries(barres);
    QValueAxis* points = axeDeValeurs(*graphique, Qt::AlignBottom);
    points->setRange(projection.minimum, projection.maximum);
    points->setTickType(QValueAxis::TicksDynamic);
    points->setTickAnchor(0.0);
    points->setTickInterval(pasRond(projection.maximum - projection.minimum));
    barres->attachAxis(points);
    QValueAxis* nombre = axeDeValeurs(*graphique, Qt::AlignLeft);
    nombre->setRange(0.0, std::max(1.0, plusHaute));
    nombre->applyNiceNumbers();
    barres->attachAxis(nombre);
    QChartView* vue = vueDeGraphique(graphique, page);
    (new QVBoxLayout(page))->addWidget(vue);
    page->layout()->setContentsMargins(0, 0, 0, 0);
    return vue;
}

}  // namespace

TFormAnalyseJoueur::TFormAnalyseJoueur(AnalyseJoueur& analyse, QWidget* parent)
    : QWidget(parent, Qt::Window),
      PageControlMain(new QTabWidget(this)),
      TabSheetText(new QWidget),
      RichEditInfo(new QPlainTextEdit(TabSheetText)),
      TabSheetProbs(new QWidget),
      PageControlDistrib(new QTabWidget(TabSheetProbs)),
      TabSheetProjections(new QWidget),
      PageControl(new QTabWidget(TabSheetProjections)),
      TabSheetTree(new QWidget),
      Panel1(new QWidget(TabSheetTree)),
      Panel2(new QWidget(Panel1)),
      ButtonContinue(new QPushButton(qtexte(ID_CONTINUE), Panel2)),
      TreeView(new QTreeWidget(Panel1)),
      PopupMenuTree(new QMenu(this)),
      Expand(PopupMenuTree->addAction(qtexte(ID_EXPAND))),
      analyse_(analyse) {
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->addWidget(PageControlMain);

    RichEditInfo->setReadOnly(true);
    RichEditInfo->setLineWrapMode(QPlainTextEdit::NoWrap);
    RichEditInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEditInfo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    (new QVBoxLayout(TabSheetText))->addWidget(RichEditInfo);
    PageControlMain->addTab(TabSheetText, qtexte(ID_SHEET_TEXT));

    for (int couleur = Carte::Trefle; couleur <= Carte::Coeur; ++couleur) {
        auto* page = new QWidget;
        PageControlDistrib->addTab(page, qtexte(ID_NOM_TREFLE + couleur - Carte::Trefle));
        QChartView* vue = creeGraphiqueCouleur(page);
        vue->setObjectName(QString::fromLatin1(NOMS_DES_GRAPHIQUES[static_cast<unsigned>(couleur - 1)]));
        graphiques_[static_cast<unsigned>(couleur - 1)] = vue;
    }
    PageControlDistrib->setCurrentIndex(Carte::Coeur - 1);
    (new QVBoxLayout(TabSheetProbs))->addWidget(PageControlDistrib);
    PageControlMain->addTab(TabSheetProbs, qtexte(ID_SHEET_PROBS));

    (new QVBoxLayout(TabSheetProjections))->addWidget(PageControl);
    PageControlMain->addTab(TabSheetProjections, qtexte(ID_SHEET_PROJECTIONS));

    // The button waits for a step-by-step mode of the search; nothing enables it yet.
    ButtonContinue->setEnabled(false);
    connect(ButtonContinue, &QPushButton::clicked, this, &TFormAnalyseJoueur::ButtonContinueClick);
    Panel2->setFixedWidth(LARGEUR_PANEL2);
    (new QVBoxLayout(Panel2))->addWidget(ButtonContinue, 0, Qt::AlignTop);
    TreeView->setHeaderHidden(true);
    TreeView->setIndentation(INDENTATION_ARBRE);
    TreeView->setContextMenuPolicy(Qt::ActionsContextMenu);
    TreeView->addAction(Expand);
    connect(Expand, &QAction::triggered, this, &TFormAnalyseJoueur::ExpandClick);
    auto* arbre = new QHBoxLayout(Panel1);
    arbre->setContentsMargins(0, 0, 0, 0);
    arbre->addWidget(Panel2);
    arbre->addWidget(TreeView, 1);
    (new QVBoxLayout(TabSheetTree))->addWidget(Panel1);
    PageControlMain->addTab(TabSheetTree, qtexte(ID_SHEET_TREE));
    PageControlMain->setCurrentWidget(TabSheetTree);

    // A projection is filled after its page was announced: draw it when it is looked at.
    connect(PageControlMain, &QTabWidget::currentChanged, this, [this](int) {
        if (PageControlMain->currentWidget() != TabSheetProjections) return;
        projectionsARedessiner_ = true;
        prevoitRedessin();
    });

    resize(AnalyseJoueur::LARGEUR_PAR_DEFAUT, AnalyseJoueur::HAUTEUR_PAR_DEFAUT);
    analyse_.changement = [this](AnalyseJoueur::Zone zone) { modeleChange(zone); };
    dessineFenetre();
}

TFormAnalyseJoueur::~TFormAnalyseJoueur() { analyse_.changement = nullptr; }

void TFormAnalyseJoueur::modeleChange(AnalyseJoueur::Zone zone) {
    switch (zone) {
        case AnalyseJoueur::Zone::Fenetre:
            dessineFenetre();
            return;
        case AnalyseJoueur::Zone::Texte:
            // Emptying is only seen now: by the time of the drawing new lines may have come.
            if (analyse_.lignes().size() < static_cast<std::size_t>(lignesAffichees_)) texteAVider_ = true;
            texteARedessiner_ = true;
            break;
        case AnalyseJoueur::Zone::Arbre:
            if (analyse_.noeuds().size() < elementsDeLArbre_.size()) arbreAVider_ = true;
            arbreARedessiner_ = true;
            break;
        case AnalyseJoueur::Zone::Projections:
            projectionsARedessiner_ = true;
            break;
        case AnalyseJoueur::Zone::Distribution:
            distributionARedessiner_ = true;
            break;
    }
    prevoitRedessin();
}

void TFormAnalyseJoueur::prevoitRedessin() {
    if (redessinPrevu_ || !isVisible()) return;
    redessinPrevu_ = true;
    QMetaObject::invokeMethod(this, &TFormAnalyseJoueur::rafraichit, Qt::QueuedConnection);
}

void TFormAnalyseJoueur::rafraichit() {
    redessinPrevu_ = false;
    if (texteARedessiner_) dessineTexte();
    if (arbreARedessiner_) dessineArbre();
    if (projectionsARedessiner_) dessineProjections();
    if (distributionARedessiner_) dessineDistribution();
}

void TFormAnalyseJoueur::showEvent(QShowEvent* evenement) {
    QWidget::showEvent(evenement);
    rafraichit();
}

void TFormAnalyseJoueur::closeEvent(QCloseEvent* evenement) {
    // The player answers faster while its window is shown: it must know when the user closed it.
    analyse_.cache();
    QWidget::closeEvent(evenement);
}

void TFormAnalyseJoueur::dessineFenetre() {
    setWindowTitle(qtexte(analyse_.titre()));
    if (analyse_.siege() >= 0 && analyse_.siege() != siegePlace_) {
        siegePlace_ = analyse_.siege();
        const QRect ecran = (parentWidget() != nullptr ? parentWidget()->screen() : screen())->availableGeometry();
        const int largeurPrincipale = parentWidget() != nullptr ? parentWidget()->window()->frameGeometry().width() : 0;
        const AnalyseJoueur::Placement place =
            AnalyseJoueur::placementPourSiege(siegePlace_, ecran.width(), ecran.height(), largeurPrincipale);
        setGeometry(ecran.left() + place.left, ecran.top() + place.top, place.width, AnalyseJoueur::HAUTEUR_PAR_DEFAUT);
    }
    if (analyse_.estVisible() != isVisible()) setVisible(analyse_.estVisible());
}

void TFormAnalyseJoueur::dessineTexte() {
    texteARedessiner_ = false;
    if (texteAVider_) {
        RichEditInfo->clear();
        lignesAffichees_ = 0;
        texteAVider_ = false;
    }
    const std::vector<std::string>& lignes = analyse_.lignes();
    if (lignes.size() <= static_cast<std::size_t>(lignesAffichees_)) return;
    QStringList nouvelles;
    for (std::size_t i = static_cast<std::size_t>(lignesAffichees_); i < lignes.size(); ++i) nouvelles << qtexte(lignes[i]);
    RichEditInfo->appendPlainText(nouvelles.join(QLatin1Char('\n')));
    lignesAffichees_ = static_cast<int>(lignes.size());
    // The newest line is the one in view, from its start.
    RichEditInfo->moveCursor(QTextCursor::End);
    RichEditInfo->moveCursor(QTextCursor::StartOfBlock);
    RichEditInfo->verticalScrollBar()->setValue(RichEditInfo->verticalScrollBar()->maximum());
}

void TFormAnalyseJoueur::dessineArbre() {
    arbreARedessiner_ = false;
    if (arbreAVider_) {
        TreeView->clear();
        elementsDeLArbre_.clear();
        arbreAVider_ = false;
    }
    const std::vector<AnalyseJoueur::Noeud>& noeuds = analyse_.noeuds();
    for (std::size_t i = 0; i < noeuds.size(); ++i) {
        const QString texte = qtexte(noeuds[i].texte);
        if (i < elementsDeLArbre_.size()) {
            if (elementsDeLArbre_[i]->text(0) != texte) elementsDeLArbre_[i]->setText(0, texte);
            continue;
        }
        const int parent = noeuds[i].parent;
        auto* element = parent < 0 ? new QTreeWidgetItem(TreeView)
                                   : new QTreeWidgetItem(elementsDeLArbre_[static_cast<std::size_t>(parent)]);
        element->setText(0, texte);
        elementsDeLArbre_.push_back(element);
    }
}

void TFormAnalyseJoueur::dessineProjections() {
    projectionsARedessiner_ = false;
    while (PageControl->count() > 0) {
        QWidget* page = PageControl->widget(PageControl->count() - 1);
        PageControl->removeTab(PageControl->count() - 1);
        delete page;
    }
    for (const auto& projection : analyse_.projections()) {
        auto* page = new QWidget;
        creeProjection(*projection, page);
        PageControl->addTab(page, qtexte(projection->titre));
    }
    PageControl->setCurrentIndex(analyse_.projectionActive());
}

void TFormAnalyseJoueur::dessineDistribution() {
    distributionARedessiner_ = false;
    for (int couleur = Carte::Trefle; couleur <= Carte::Coeur; ++couleur)
        dessineGraphiqueCouleur(*graphique(couleur)->chart(), analyse_.graphique(couleur));
}

void TFormAnalyseJoueur::ExpandClick() {
    QTreeWidgetItem* choisi = TreeView->currentItem();
    if (choisi == nullptr || !choisi->isSelected()) return;
    TreeView->expandRecursively(TreeView->currentIndex());
}

void TFormAnalyseJoueur::ButtonContinueClick() { ButtonContinue->setEnabled(false); }
