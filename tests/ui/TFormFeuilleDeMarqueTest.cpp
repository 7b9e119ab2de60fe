#include <gtest/gtest.h>

#include <QLabel>
#include <QTableWidget>

#include "ui/TFormFeuilleDeMarque.h"
#include "ui/Texte.h"

TEST(TFormFeuilleDeMarque, OneRowADealUnderTheTeamsNames) {
    LigneDeMarque premiere{"1", "Coeur x1", "Daniel", {"113", "52"}, {"113", "52"}};
    LigneDeMarque enCours{"2", "De haut en bas x3", "Claire (chibre de Anne)", {}, {}};
    TFormFeuilleDeMarque feuille({premiere, enCours}, {"Anne & Claire", "Bernard & Daniel"});
    QTableWidget* table = feuille.TableMarque;
    ASSERT_EQ(table->rowCount(), 2);
    ASSERT_EQ(table->columnCount(), 7);
    EXPECT_EQ(table->horizontalHeaderItem(3)->text(), "Anne & Claire");
    EXPECT_EQ(table->horizontalHeaderItem(4)->text(), qtexte(3961));
    EXPECT_EQ(table->horizontalHeaderItem(5)->text(), "Bernard & Daniel");
    EXPECT_EQ(table->item(0, 1)->text(), "Coeur x1");
    EXPECT_EQ(table->item(0, 6)->text(), "52");
    EXPECT_EQ(table->item(1, 2)->text(), "Claire (chibre de Anne)");
    EXPECT_TRUE(table->item(1, 3)->text().isEmpty());
    EXPECT_FALSE(feuille.LabelAucuneDonne->isVisibleTo(&feuille));

    TFormFeuilleDeMarque vide({}, {"Anne & Claire", "Bernard & Daniel"});
    EXPECT_TRUE(vide.LabelAucuneDonne->isVisibleTo(&vide));
    EXPECT_EQ(vide.LabelAucuneDonne->text(), qtexte(3965));
}
