#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "platform/Exception.h"
#include "rules/KnuthRandom.h"
#include "support/AssertionsRelevees.h"
#include "support/PlateformeFactice.h"

namespace {

constexpr int MM = KnuthRanArray::MM;
constexpr int MAX_SIZE = KnuthRandom::MAX_SIZE;

std::tm heure(int annee, int mois, int jour, int h, int m, int s) {
    std::tm t{};
    t.tm_year = annee - 1900;
    t.tm_mon = mois - 1;
    t.tm_mday = jour;
    t.tm_hour = h;
    t.tm_min = m;
    t.tm_sec = s;
    return t;
}

// The whole buffer that ran_array makes from a seed.
std::vector<std::int32_t> tampon(std::int32_t graine) {
    KnuthRanArray etat;
    etat.ran_start(graine);
    std::vector<std::int32_t> valeurs(MAX_SIZE);
    etat.ran_array(valeurs.data(), MAX_SIZE);
    return valeurs;
}

// Drawing with n = 2^30 returns the numbers themselves.
std::vector<std::int32_t> tireBrut(KnuthRandom& g, int combien) {
    std::vector<std::int32_t> valeurs;
    for (int i = 0; i < combien; ++i) valeurs.push_back(g.tire(MM));
    return valeurs;
}

// Draws with varied ranges, as the dealing and the computer players use them.
std::vector<int> tireVarie(KnuthRandom& g, int combien) {
    std::vector<int> valeurs;
    for (int i = 0; i < combien; ++i) valeurs.push_back(g.tire(1 + i % 36));
    return valeurs;
}

std::string texte(int position, int graine, int nbDonnes) {
    return "{" + std::to_string(position) + "\xA6" + std::to_string(graine) + "\xA6" + std::to_string(nbDonnes) + "\xA6}";
}

}  // namespace

// Knuth's own check of the 1997 ran_start; its 2002 revision would give 995235265.
TEST(KnuthRanArray, GivesKnuthsPublishedCheckValue) {
    struct Cas {
        int appels;
        int taille;
    };
    for (const Cas cas : {Cas{2010, 1009}, Cas{1010, 2009}}) {
        KnuthRanArray etat;
        etat.ran_start(310952);
        std::vector<std::int32_t> a(cas.taille);
        for (int m = 0; m < cas.appels; ++m) etat.ran_array(a.data(), cas.taille);
        EXPECT_EQ(a[0], 461390032) << cas.appels << " x " << cas.taille;
    }
}

TEST(KnuthRandom, StreamsExactlyTheBufferAndRegeneratesFromItsFirstNumber) {
    const std::vector<std::int32_t> premier = tampon(0);
    KnuthRandom g(true);
    EXPECT_EQ(tireBrut(g, MAX_SIZE), premier);
    EXPECT_EQ(g.save(), texte(MAX_SIZE, 0, 0));

    const std::vector<std::int32_t> second = tampon(premier[0]);
    EXPECT_EQ(g.tire(MM), second[0]);
    EXPECT_EQ(g.save(), texte(1, premier[0], 0));
    EXPECT_EQ(tireBrut(g, 2000), std::vector<std::int32_t>(second.begin() + 1, second.begin() + 2001));
}

TEST(KnuthRandom, FixedGeneratorsDrawTheSameNumbers) {
    // A fixed generator does not read the clock.
    PlateformeFactice plateforme;
    plateforme.heureLocale_ = heure(2024, 3, 15, 13, 45, 58);
    KnuthRandom a(true);
    KnuthRandom b(true);
    EXPECT_EQ(tireVarie(a, 5000), tireVarie(b, 5000));
}

TEST(KnuthRandom, DrawsStayInRange) {
    KnuthRandom g(true);
    for (int i = 0; i < 5000; ++i) {
        const int n = 1 + i % 40;
        const int x = g.tire(n);
        ASSERT_GE(x, 0);
        ASSERT_LT(x, n);
        ASSERT_EQ(g.tire(1), 0);
    }
}

TEST(KnuthRandom, PacksTheLocalTimeAsAnMsDosDateAndTime) {
    // 2024-03-15 13:45:58: date 44*512 + 3*32 + 15, time 13*2048 + 45*32 + 29.
    EXPECT_EQ(KnuthRandom::graineDeLHeure(heure(2024, 3, 15, 13, 45, 58)), 0x586F6DBD);
    EXPECT_EQ(KnuthRandom::graineDeLHeure(heure(2024, 3, 15, 13, 45, 59)), 0x586F6DBD);
    EXPECT_EQ(KnuthRandom::graineDeLHeure(heure(1980, 1, 1, 0, 0, 0)), 0x00210000);
    // From 2044 on the seed's top bit is set.
    EXPECT_EQ(KnuthRandom::graineDeLHeure(heure(2045, 1, 1, 0, 0, 0)), static_cast<std::int32_t>(0x82210000u));

    PlateformeFactice plateforme;
    plateforme.heureLocale_ = heure(2024, 3, 15, 13, 45, 58);
    KnuthRandom g(false);
    EXPECT_EQ(g.save(), texte(0, 0x586F6DBD, 0));
    const std::vector<std::int32_t> attendu = tampon(0x586F6DBD);
    EXPECT_EQ(tireBrut(g, 300), std::vector<std::int32_t>(attendu.begin(), attendu.begin() + 300));
}

TEST(KnuthRandom, ReseedingFromTheClockKeepsThePosition) {
    PlateformeFactice plateforme;
    plateforme.heureLocale_ = heure(2024, 3, 15, 13, 45, 58);
    KnuthRandom g(false);
    tireBrut(g, 500);
    plateforme.heureLocale_ = heure(2024, 3, 15, 20, 1, 2);
    g.resemeHorloge();
    const std::int32_t graine = KnuthRandom::graineDeLHeure(plateforme.heureLocale_);
    EXPECT_EQ(g.save(), texte(500, graine, 0));
    const std::vector<std::int32_t> attendu = tampon(graine);
    EXPECT_EQ(tireBrut(g, 300), std::vector<std::int32_t>(attendu.begin() + 500, attendu.begin() + 800));
}

TEST(KnuthRandom, ReinitialiseRestartsTheBufferAndTheDealCount) {
    KnuthRandom g(true);
    const std::vector<int> debut = tireVarie(g, 3000);
    g.compteDonne();
    g.compteDonne();
    EXPECT_EQ(g.save(), texte(3000, 0, 2));
    g.reinitialise();
    EXPECT_EQ(g.save(), texte(0, 0, 0));
    EXPECT_EQ(tireVarie(g, 3000), debut);
}

// The saved text brings any generator, here a fresh one with another seed, to the same numbers.
TEST(KnuthRandom, LoadingTheSavedTextReplaysTheSameNumbers) {
    for (const int avance : {0, 50, 99, 100, 127, 128, 199, 200, 2147, 2148, 12345, MAX_SIZE - 500, MAX_SIZE}) {
        KnuthRandom g(true);
        tireVarie(g, avance);
        g.compteDonne();
        const std::string etat = g.save();
        const std::vector<int> suite = tireVarie(g, 1000);

        g.load(etat);
        EXPECT_EQ(g.save(), etat) << avance;
        EXPECT_EQ(tireVarie(g, 1000), suite) << avance;

        PlateformeFactice plateforme;
        plateforme.heureLocale_ = heure(2030, 7, 4, 9, 30, 12);
        KnuthRandom autre(false);
        autre.load(etat);
        EXPECT_EQ(tireVarie(autre, 1000), suite) << avance;
    }
}

// A seed read from a file can be any 32-bit number.
TEST(KnuthRandom, AnySeedInASavedTextGivesTheNumbersOfThatSeed) {
    for (const std::int32_t graine : {INT_MAX, INT_MAX - 1, -1, INT_MIN, MM - 1, MM}) {
        KnuthRanArray etat;
        etat.ran_start(graine);
        KnuthRandom g(true);
        g.load(texte(0, graine, 0));
        const auto& attendu = etat.ran_x();
        EXPECT_EQ(tireBrut(g, KnuthRanArray::KK), std::vector<std::int32_t>(attendu.begin(), attendu.end())) << graine;
    }
}

TEST(KnuthRandom, MalformedTextIsRejectedAndChangesNothing) {
    const std::string sep = "\xA6";
    const std::vector<std::string> textes = {
        "",
        "12 0 0",
        "{}",
        "{5" + sep + "0" + sep + "}",
        "{5" + sep + "0" + sep + "0}",
        "{x" + sep + "0" + sep + "0" + sep + "}",
        "{5" + sep + "0" + sep + "+1" + sep + "}",
        "{5" + sep + "99999999999" + sep + "0" + sep + "}",
        texte(-1, 0, 0),
        texte(MAX_SIZE + 1, 0, 0),
        texte(INT_MAX, 0, 0),
        texte(0, 0, -1),
        texte(0, 0, KnuthRandom::NB_DONNES_MAX + 1),
        texte(0, 0, INT_MAX),
    };
    for (const std::string& mauvais : textes) {
        KnuthRandom g(true);
        tireVarie(g, 777);
        g.compteDonne();
        KnuthRandom temoin = g;
        EXPECT_THROW(g.load(mauvais), Exception) << mauvais;
        EXPECT_EQ(g.save(), temoin.save()) << mauvais;
        EXPECT_EQ(tireVarie(g, 200), tireVarie(temoin, 200)) << mauvais;
    }
}

TEST(KnuthRandom, ADrawBelowOneIsAnInternalError) {
    AssertionsRelevees relevees;
    KnuthRandom g(true);
    EXPECT_EQ(g.tire(0), 0);
    EXPECT_TRUE(relevees.contient("n >= 1"));
    EXPECT_EQ(g.save(), texte(0, 0, 0));
}

TEST(KnuthRandom, TheDealCountStopsAtItsMaximumSoThatTheRecordCanBeReadAgain) {
    KnuthRandom g(true);
    g.load(texte(KnuthRandom::MAX_SIZE, INT_MIN, KnuthRandom::NB_DONNES_MAX));
    g.compteDonne();
    EXPECT_EQ(g.save(), texte(KnuthRandom::MAX_SIZE, INT_MIN, KnuthRandom::NB_DONNES_MAX));
    static_cast<void>(g.tire(36));
    KnuthRandom relu(true);
    relu.load(g.save());
    EXPECT_EQ(relu.save(), g.save());
}
