#include <gtest/gtest.h>

#include <vector>

#include "rules/CarteSet.h"
#include "rules/MapCartes.h"
#include "support/AssertionsRelevees.h"

namespace {
std::vector<unsigned> tags(const CarteSet& set) {
    std::vector<unsigned> resultat;
    for (const Carte& c : set) resultat.push_back(c.getTag());
    return resultat;
}
}  // namespace

TEST(CarteSet, IteratesInTagOrderWhateverTheInsertionOrder) {
    CarteSet set;
    EXPECT_EQ(set.size(), 0u);
    EXPECT_EQ(set.first(), 36u);
    EXPECT_EQ(set.begin(), set.end());
    set.insert(Carte::parTag(35));
    set.insert(Carte::parTag(0));
    EXPECT_EQ(tags(set), (std::vector<unsigned>{0, 35}));
    EXPECT_EQ(set.first(), 0u);
    set.insert(Carte::parTag(0));
    EXPECT_EQ(set.size(), 2u);

    CarteSet autre;
    autre.insert(Carte::parTag(0));
    autre.insert(Carte::parTag(35));
    EXPECT_EQ(set, autre);
    autre.erase(Carte::parTag(35));
    EXPECT_NE(set, autre);
}

TEST(CarteSet, FirstFollowsRemovals) {
    CarteSet set;
    set.insert(Carte::parTag(17));
    set.insert(Carte::parTag(3));
    set.erase(Carte::parTag(3));
    EXPECT_EQ(set.first(), 17u);
    set.erase(Carte::parTag(17));
    EXPECT_EQ(set.first(), 36u);
    EXPECT_EQ(set.size(), 0u);
    EXPECT_EQ(set.begin(), set.end());
}

TEST(CarteSet, FindAndLookups) {
    CarteSet set;
    for (unsigned tag : {2u, 11u, 22u, 30u}) set.insert(Carte::parTag(tag));
    auto it = set.find(Carte::parTag(11));
    ASSERT_NE(it, set.end());
    EXPECT_EQ(it->getTag(), 11u);
    ++it;
    EXPECT_EQ(it->getTag(), 22u);
    EXPECT_EQ(set.find(Carte::parTag(12)), set.end());
    EXPECT_EQ(set.trouve(Carte::Carreau, Carte::Huit), &Carte::parTag(11));
    EXPECT_EQ(set.trouve(Carte::Carreau, Carte::Neuf), nullptr);
    EXPECT_EQ(set.trouve(5, 6), nullptr);
    EXPECT_EQ(set.parTag(30), &Carte::parTag(30));
    EXPECT_EQ(set.parTag(99), nullptr);
    EXPECT_EQ(set.kieme(2), &Carte::parTag(22));
    EXPECT_EQ(set.kieme(4), nullptr);
}

TEST(CarteSet, FindsTheCardNamedInAText) {
    CarteSet main;
    main.insert(Carte::trouve(Carte::Pique, Carte::Dix));
    main.insert(Carte::trouve(Carte::Coeur, Carte::Six));
    const auto trouvee = main.trouveParIdentifiant("{12\xA6" "3_10\xA6}");
    ASSERT_NE(trouvee, main.end());
    EXPECT_EQ(&*trouvee, &Carte::trouve(Carte::Pique, Carte::Dix));
    EXPECT_EQ(main.trouveParIdentifiant("2_10"), main.end());
}

TEST(MapCartes, EntriesAndNullCards) {
    MapCartes map;
    const Carte* valet = &Carte::trouve(Carte::Coeur, Carte::Valet);
    map[valet] = 42;
    EXPECT_EQ(map.size(), 1u);
    EXPECT_EQ(map[valet], 42);
    EXPECT_NE(map.find(*valet), map.end());
    map.erase(valet);
    EXPECT_EQ(map.size(), 0u);

    AssertionsRelevees relevees;
    map[nullptr] = 7;
    map.erase(nullptr);
    EXPECT_EQ(relevees.toutes().size(), 2u);
    EXPECT_TRUE(relevees.contient("carte != NULL"));
    EXPECT_EQ(map.size(), 0u);
}
