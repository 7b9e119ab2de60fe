#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <string>

#include "platform/TableDesTextes.h"
#include "rules/TypeDePartiesPossibles.h"
#include "ui/RadioGroup.h"
#include "ui/ReponseModale.h"
#include "ui/TFormOptionsDePartie.h"
#include "ui/Texte.h"

namespace {

QStringList descriptionsDesVariantes() {
    QStringList descriptions;
    for (std::size_t i = 0; i < TypeDePartiesPossibles::size(); ++i)
        descriptions << qtexte(TypeDePartiesPossibles::commune()[i].getDescription());
    return descriptions;
}

OptionsDePartie options(int typeChibre, OptionsDePartie::TypePartie typePartie, int niveau) {
    OptionsDePartie o;
    o.setTypeChibre(typeChibre);
    o.setTypePartie(typePartie);
    o.setNiveau(niveau);
    return o;
}

}  // namespace

TEST(TFormOptionsDePartie, ShowsTheRecordAndKeepsItWhenClosedUnchanged) {
    QStringList variantes, niveaux;
    int variante = -1, typePartie = -1, niveau = -1;
    quandModalOuvert<TFormOptionsDePartie>([&](TFormOptionsDePartie& d) {
        EXPECT_EQ(d.windowTitle(), QString("Options de partie"));
        variantes = d.RadioGroupTypeChibre->items();
        niveaux = d.RadioGroupNivau->items();
        variante = d.RadioGroupTypeChibre->itemIndex();
        typePartie = d.RadioGroupTypePartie->itemIndex();
        niveau = d.RadioGroupNivau->itemIndex();
        d.close();  // the window's close box, not Ok
    });
    const OptionsDePartie choisies =
        TFormOptionsDePartie::choisit(nullptr, options(2, OptionsDePartie::Concours, OptionsDePartie::NIVEAU_DEBUTANT));

    EXPECT_EQ(variantes, descriptionsDesVariantes());
    EXPECT_EQ(variantes.value(0), QString("Suisse romand (Trefle x1, Carreau x1, Pique x1, Coeur x1)"));
    EXPECT_EQ(niveaux, (QStringList{"Débutant ", "Avancé ", "Expert ", "Maître "}));
    EXPECT_EQ(variante, 2);
    EXPECT_EQ(typePartie, OptionsDePartie::Concours);
    EXPECT_EQ(niveau, 0);
    EXPECT_EQ(choisies.save(), options(2, OptionsDePartie::Concours, 0).save());
}

TEST(TFormOptionsDePartie, StoresTheChoiceMadeInTheDialog) {
    quandModalOuvert<TFormOptionsDePartie>([](TFormOptionsDePartie& d) {
        d.RadioGroupTypeChibre->bouton(3)->click();
        d.RadioGroupTypePartie->bouton(1)->click();
        d.RadioGroupNivau->bouton(1)->click();
        d.ButtonOk->click();
    });
    const OptionsDePartie choisies = TFormOptionsDePartie::choisit(nullptr, OptionsDePartie());

    EXPECT_EQ(choisies.getTypeChibre(), 3);
    EXPECT_EQ(choisies.getTypePartie(), OptionsDePartie::Concours);
    EXPECT_EQ(choisies.getNiveau(), OptionsDePartie::NIVEAU_AVANCE);
    EXPECT_EQ(choisies.getConnection(), OptionsDePartie::Local);

    // The master is the fourth choice; the dialog says it plays without the hidden cards.
    QString phrase;
    quandModalOuvert<TFormOptionsDePartie>([&](TFormOptionsDePartie& d) {
        phrase = d.LabelQuiVoitLesCartes->text();
        d.RadioGroupNivau->bouton(3)->click();
        d.ButtonOk->click();
    });
    EXPECT_EQ(TFormOptionsDePartie::choisit(nullptr, OptionsDePartie()).getNiveau(), OptionsDePartie::NIVEAU_MAITRE);
    EXPECT_TRUE(phrase.contains("Maître ne les voit pas")) << phrase.toStdString();
}

// The same dialog serves every new game, possibly after the language changed.
TEST(TFormOptionsDePartie, RebuildsTheVariantsAtEachOpening) {
    TFormOptionsDePartie dialogue;
    OptionsDePartie premieres;
    quandModalOuvert<TFormOptionsDePartie>([](TFormOptionsDePartie& d) { d.ButtonOk->click(); });
    dialogue.choisit(premieres);

    TableDesTextes::globale().chargeTexte("256\tEicheln\n1792\tWelsch\n5126\tAnfänger \n");
    QStringList variantes;
    int variante = -1;
    quandModalOuvert<TFormOptionsDePartie>([&](TFormOptionsDePartie& d) {
        variantes = d.RadioGroupTypeChibre->items();
        variante = d.RadioGroupTypeChibre->itemIndex();
        d.ButtonOk->click();
    });
    OptionsDePartie secondes = options(1, OptionsDePartie::Standard, 2);
    dialogue.choisit(secondes);
    TableDesTextes::globale().charge(std::string(TRUMPWISE_LANG_DIR) + "/fra.txt");

    ASSERT_EQ(variantes.size(), 4);
    EXPECT_TRUE(variantes[0].startsWith("Welsch (Eicheln x1,")) << variantes[0].toStdString();
    EXPECT_EQ(variante, 1);
    EXPECT_EQ(secondes.getTypeChibre(), 1);
}
