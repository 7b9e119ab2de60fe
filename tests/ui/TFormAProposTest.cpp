#include <gtest/gtest.h>

#include <QTextEdit>
#include <string>

#include "platform/TableDesTextes.h"
#include "ui/TFormAPropos.h"

// The title and the addresses follow the language loaded when the window is shown.
TEST(TFormAbout, TakesTitleAndAddressesFromTheStringsWhenShown) {
    TFormAbout fenetre;
    TableDesTextes::globale().chargeTexte(
        "2\tTrumpwise v9\n3\taide@exemple.ch\n4\twww.exemple.ch\n5153\tL0\\rL1\\rL2\\rL3\\rL4\\rL5\\rL6\\rL7\\rL8\n");
    fenetre.show();
    const QStringList lignes = fenetre.RichEdit->toPlainText().split('\n');
    TableDesTextes::globale().charge(std::string(TRUMPWISE_LANG_DIR) + "/fra.txt");

    EXPECT_EQ(lignes, (QStringList{"Trumpwise v9", "L1", "L2", "L3", "L4", "L5", "aide@exemple.ch", "www.exemple.ch", "L8"}));
    EXPECT_TRUE(fenetre.RichEdit->isReadOnly());
}

TEST(TFormAbout, ShowsTheProgramsTitleInFrench) {
    TFormAbout fenetre;
    fenetre.show();
    EXPECT_EQ(fenetre.windowTitle(), "A propos");
    EXPECT_TRUE(fenetre.RichEdit->toPlainText().startsWith("Trumpwise v3.1\n"));
}
