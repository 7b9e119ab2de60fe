#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/Exception.h"
#include "rules/OptionsDePartie.h"
#include "rules/TypeDePartiesPossibles.h"
#include "support/AssertionsRelevees.h"

namespace {
const TypeDePartiesPossibles& types = TypeDePartiesPossibles::commune();

std::string texte(std::initializer_list<const char*> champs) {
    std::string resultat = "{";
    for (const char* champ : champs) (resultat += champ) += '\xA6';
    return resultat + "}";
}
}  // namespace

TEST(TypeDePartie, MultipliersOfTheFourVariants) {
    for (std::size_t i = 0; i < types.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(types[i].estValide());
        EXPECT_EQ(types[i].getMultiplicateur(Atout::Pique), i == 0 ? 1 : 2);
        EXPECT_EQ(types[i].getMultiplicateur(Atout::ZigZag), i == 3 ? 5 : 0);
        EXPECT_EQ(types[i].getMultiplicateur(Atout::Invalide), 0);
        // The allowed modes are exactly 1 to getNbAtoutsPossibles().
        for (int mode = 1; mode <= 7; ++mode)
            EXPECT_EQ(types[i].getMultiplicateur(static_cast<Atout>(mode)) != 0,
                      mode <= types[i].getNbAtoutsPossibles())
                << "mode " << mode;
    }
    EXPECT_EQ(types[0].getScoreMaxi(), 1000);
    EXPECT_EQ(types[1].getScoreMaxi(), 1500);
    EXPECT_EQ(types[2].getScoreMaxi(), 3000);
    EXPECT_EQ(types[3].getScoreMaxi(), 4000);
    EXPECT_EQ(types[2].getMultiplicateur(Atout::BasEnHaut), 4);
    EXPECT_EQ(types[3].getMultiplicateur(static_cast<Atout>(200)), 0);
}

TEST(TypeDePartie, DescriptionsAndRemarks) {
    EXPECT_EQ(types[0].getDescription(), "Suisse romand (Trefle x1, Carreau x1, Pique x1, Coeur x1)");
    EXPECT_EQ(types[1].getDescription(), "Suisse romand pique double (Trefle x1, Carreau x1, Pique x2, Coeur x1)");
    EXPECT_EQ(types[2].getDescription(),
              "Suisse allemand (Trefle x2, Carreau x1, Pique x2, Coeur x1, De haut en bas x3, De bas en haut x4)");
    EXPECT_EQ(types[3].getDescription(),
              "Suisse allemand zig zag (Trefle x2, Carreau x1, Pique x2, Coeur x1, De haut en bas x3, "
              "De bas en haut x4, Zig-zag x5)");
    EXPECT_EQ(types[1].getRemarque(), "");
    EXPECT_EQ(types[3].getRemarque(), "chaque huit vaut huit points");
}

TEST(TypeDePartie, DefaultIsInvalid) {
    const TypeDePartie aucun;
    EXPECT_FALSE(aucun.estValide());
    EXPECT_EQ(aucun.getScoreMaxi(), -1);
    EXPECT_EQ(aucun.getNbAtoutsPossibles(), -1);

    // A variant whose multipliers do not match its number of modes is a programming error.
    AssertionsRelevees relevees;
    const TypeDePartie incoherent(1792, 1000, 3, {0, 1, 1, 1, 1, 0, 0, 0}, -1);
    EXPECT_EQ(incoherent.getDescription(), "Suisse romand (Trefle x1, Carreau x1, Pique x1, Coeur x1)");
    EXPECT_TRUE(relevees.contient("nbAtoutCheck == nbAtoutsPossibles_"));
}

TEST(OptionsDePartie, NewOptions) {
    const OptionsDePartie options;
    EXPECT_TRUE(options.isValid());
    EXPECT_EQ(options.save(), texte({"0", "0", "0", "2"}));
    EXPECT_EQ(&options.getTypeDePartie(), &types[0]);
    EXPECT_EQ(options.getTypePartie(), OptionsDePartie::Standard);
    EXPECT_EQ(options.getNiveau(), OptionsDePartie::NIVEAU_EXPERT);
    EXPECT_EQ(options.getConnection(), OptionsDePartie::Local);
}

TEST(OptionsDePartie, LoadReadsTheFieldsInTheirSavedOrder) {
    OptionsDePartie options;
    options.load(texte({"3", "0", "1", "0"}));
    EXPECT_EQ(options.getTypeDePartie().getNom(), "Suisse allemand zig zag");
    EXPECT_EQ(options.getTypePartie(), OptionsDePartie::Concours);
    EXPECT_EQ(options.getNiveau(), OptionsDePartie::NIVEAU_DEBUTANT);

    options.load(texte({"1", "2", "0", "1"}));
    EXPECT_EQ(options.getTypeChibre(), 1);
    EXPECT_EQ(options.getConnection(), OptionsDePartie::ServeurTCP);
    EXPECT_EQ(options.getTypePartie(), OptionsDePartie::Standard);
    EXPECT_EQ(options.getNiveau(), OptionsDePartie::NIVEAU_AVANCE);
    EXPECT_EQ(options.save(), texte({"1", "2", "0", "1"}));

    const OptionsDePartie copie = options;
    EXPECT_EQ(copie.save(), options.save());
}

TEST(OptionsDePartie, MalformedLoadsLeaveTheOptionsUnchanged) {
    const std::vector<std::pair<const char*, std::string>> textes = {
        {"variant 4", texte({"4", "0", "0", "2"})},
        {"variant -1", texte({"-1", "0", "0", "2"})},
        {"connection 6", texte({"0", "6", "0", "2"})},
        {"game type 2", texte({"0", "0", "2", "2"})},
        {"level 4", texte({"0", "0", "0", "4"})},
        {"not a number", texte({"0", "0", "x", "2"})},
        {"missing level", texte({"0", "0", "0"})},
        {"empty", ""},
        {"no braces", "0 0 0 2"},
    };
    OptionsDePartie options;
    options.load(texte({"2", "1", "1", "1"}));
    const std::string avant = options.save();
    for (const auto& [nom, malforme] : textes) {
        SCOPED_TRACE(nom);
        EXPECT_THROW(options.load(malforme), Exception);
        EXPECT_EQ(options.save(), avant);
    }
    EXPECT_THROW(options.load(texte({"0", "0", "0", "4"})), ErreurDeFormat);
    // Level 3, the master, is a level of this program's options.
    options.load(texte({"0", "0", "0", "3"}));
    EXPECT_EQ(options.getNiveau(), OptionsDePartie::NIVEAU_MAITRE);
    EXPECT_THROW(options.load(texte({"0", "0", "x", "2"})), ErreurDeConversion);
}

TEST(OptionsDePartie, SettersKeepValuesInRange) {
    OptionsDePartie options;
    options.setTypeChibre(2);
    options.setTypePartie(OptionsDePartie::Concours);
    options.setNiveau(1);
    options.setConnection(OptionsDePartie::ClientTCP);
    EXPECT_EQ(options.save(), texte({"2", "1", "1", "1"}));

    AssertionsRelevees relevees;
    options.setTypeChibre(4);
    options.setNiveau(-1);
    EXPECT_EQ(relevees.toutes().size(), 2u);
    EXPECT_EQ(options.save(), texte({"2", "1", "1", "1"}));
}
