#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "platform/Exception.h"
#include "rules/Annonces.h"
#include "support/AssertionsRelevees.h"

static void PrintTo(const Annonce& a, std::ostream* os) {
    *os << "{type " << int(a.type) << ", couleur " << int(a.couleur) << ", position " << int(a.position)
        << ", points " << a.points << "}";
}

namespace {

using C = Carte;

CarteSet main(std::initializer_list<std::pair<C::Couleur, C::Position>> cartes) {
    CarteSet set;
    for (const auto& [couleur, position] : cartes) set.insert(C::trouve(couleur, position));
    return set;
}

CarteSet suite(C::Couleur couleur, C::Position de, C::Position a) {
    CarteSet set;
    for (int p = de; p <= a; ++p) set.insert(C::trouve(couleur, static_cast<C::Position>(p)));
    return set;
}

CarteSet quatre(C::Position position) {
    return main({{C::Trefle, position}, {C::Carreau, position}, {C::Pique, position}, {C::Coeur, position}});
}

Annonce meld(Annonce::Type type, C::Couleur couleur, C::Position position, int points) {
    return {type, couleur, position, points};
}

const Annonce aucune;

struct CasDeDetection {
    const char* nom;
    CarteSet cartes;
    Annonce principale, deuxieme, troisieme;
};

// Nine-card hands: every card that is not part of the meld under test is chosen to form none.
std::vector<CasDeDetection> casDeDetection() {
    return {
        {"TroisCartes", suite(C::Trefle, C::Six, C::Huit) | main({{C::Carreau, C::Six}, {C::Carreau, C::Huit},
                                                                  {C::Carreau, C::Dix}, {C::Pique, C::Six},
                                                                  {C::Pique, C::Huit}, {C::Coeur, C::Dix}}),
         meld(Annonce::TroisCartes, C::Trefle, C::Huit, 20), aucune, aucune},
        {"QuatreCartes", suite(C::Carreau, C::Neuf, C::Dame) | main({{C::Trefle, C::Six}, {C::Trefle, C::As},
                                                                     {C::Pique, C::Sept}, {C::Coeur, C::Six},
                                                                     {C::Coeur, C::As}}),
         meld(Annonce::QuatreCartes, C::Carreau, C::Dame, 50), aucune, aucune},
        {"CinqCartes", suite(C::Coeur, C::Dix, C::As) | main({{C::Trefle, C::Six}, {C::Carreau, C::Sept},
                                                              {C::Pique, C::Six}, {C::Pique, C::As}}),
         meld(Annonce::CinqCartes, C::Coeur, C::As, 100), aucune, aucune},
        {"RunOfNineCountsAsFive", suite(C::Pique, C::Six, C::As), meld(Annonce::CinqCartes, C::Pique, C::As, 100),
         aucune, aucune},
        // Consecutive tags across a suit boundary (As of Trefle, Six of Carreau) are no run.
        {"NoMeld", main({{C::Trefle, C::Roi}, {C::Trefle, C::As}, {C::Carreau, C::Six}, {C::Carreau, C::Sept},
                         {C::Pique, C::Six}, {C::Pique, C::Huit}, {C::Pique, C::Dix}, {C::Coeur, C::Dame},
                         {C::Coeur, C::As}}),
         aucune, aucune, aucune},
        {"FourValetsRemoveTheOverlappingRun",
         quatre(C::Valet) | main({{C::Trefle, C::Neuf}, {C::Trefle, C::Dix}, {C::Pique, C::Six},
                                  {C::Coeur, C::Six}, {C::Coeur, C::Huit}}),
         meld(Annonce::Carre, C::Coeur, C::Valet, 200), aucune, aucune},
        {"OnlyTheFirstOverlappingRunIsRemoved",
         quatre(C::Valet) | main({{C::Trefle, C::Neuf}, {C::Trefle, C::Dix}, {C::Carreau, C::Neuf},
                                  {C::Carreau, C::Dix}, {C::Coeur, C::Six}}),
         meld(Annonce::Carre, C::Coeur, C::Valet, 200), meld(Annonce::TroisCartes, C::Carreau, C::Valet, 20),
         aucune},
        {"FourNeufWithAPiqueRun",
         quatre(C::Neuf) | suite(C::Pique, C::Dame, C::As) | main({{C::Trefle, C::Six}, {C::Carreau, C::Huit}}),
         meld(Annonce::Carre, C::Coeur, C::Neuf, 150), meld(Annonce::TroisCartes, C::Pique, C::As, 20), aucune},
        {"FourSixAreNoMeld", quatre(C::Six) | main({{C::Trefle, C::Huit}, {C::Carreau, C::Dix}, {C::Pique, C::As},
                                                    {C::Coeur, C::Huit}, {C::Coeur, C::Dame}}),
         aucune, aucune, aucune},
        {"FourSixStillRun", quatre(C::Six) | main({{C::Trefle, C::Sept}, {C::Trefle, C::Huit}, {C::Carreau, C::Dix},
                                                   {C::Pique, C::As}, {C::Coeur, C::Dame}}),
         meld(Annonce::TroisCartes, C::Trefle, C::Huit, 20), aucune, aucune},
        // The Neuf of Coeur completes the four Neuf, so the Coeur run starts at the Dix.
        {"CardCompletingFourOfAKindBelongsToNoRun",
         quatre(C::Neuf) | suite(C::Coeur, C::Dix, C::Dame) | main({{C::Trefle, C::As}, {C::Carreau, C::Six}}),
         meld(Annonce::Carre, C::Coeur, C::Neuf, 150), meld(Annonce::TroisCartes, C::Coeur, C::Dame, 20), aucune},
        // A run of six stands for its five highest cards only, so the four Neuf do not take it away.
        {"LongRunKeepsItsLowestCard",
         suite(C::Trefle, C::Neuf, C::As) | main({{C::Carreau, C::Neuf}, {C::Pique, C::Neuf}, {C::Coeur, C::Neuf}}),
         meld(Annonce::Carre, C::Coeur, C::Neuf, 150), meld(Annonce::CinqCartes, C::Trefle, C::As, 100), aucune},
        {"TwoFourOfAKinds", quatre(C::Dame) | quatre(C::Roi) | main({{C::Trefle, C::As}}),
         meld(Annonce::Carre, C::Coeur, C::Roi, 100), meld(Annonce::Carre, C::Coeur, C::Dame, 100), aucune},
        // Equal points: a higher rank takes the lead, otherwise the later meld goes below.
        {"ThreeRunsOfTwenty",
         suite(C::Trefle, C::Six, C::Huit) | suite(C::Carreau, C::Dix, C::Dame) | suite(C::Pique, C::Sept, C::Neuf),
         meld(Annonce::TroisCartes, C::Carreau, C::Dame, 20), meld(Annonce::TroisCartes, C::Trefle, C::Huit, 20),
         meld(Annonce::TroisCartes, C::Pique, C::Neuf, 20)},
        {"BetterMeldFoundLaterLeads",
         suite(C::Trefle, C::Six, C::Neuf) | quatre(C::Dame) | main({{C::Pique, C::As}}),
         meld(Annonce::Carre, C::Coeur, C::Dame, 100), meld(Annonce::QuatreCartes, C::Trefle, C::Neuf, 50), aucune},
    };
}

}  // namespace

TEST(Annonces, DetectsAndOrdersTheMeldsOfAHand) {
    for (const auto& cas : casDeDetection()) {
        SCOPED_TRACE(cas.nom);
        const Annonces annonces(cas.cartes);
        ASSERT_TRUE(annonces.isValid());
        EXPECT_EQ(annonces.getAnnoncePrincipale(), cas.principale);
        EXPECT_EQ(annonces.getAnnonce2(), cas.deuxieme);
        EXPECT_EQ(annonces.getAnnonce3(), cas.troisieme);
        EXPECT_EQ(annonces.getTotalPoints(), cas.principale.points + cas.deuxieme.points + cas.troisieme.points);
    }
}

TEST(Annonce, CardsOfAMeld) {
    const auto cartes = [](const Annonce& annonce) {
        std::vector<unsigned> tags;
        for (int i = 0; i < annonce.getNbCartes(); ++i) {
            C::Couleur couleur{};
            C::Position position{};
            EXPECT_TRUE(annonce.getCarte(i, couleur, position));
            tags.push_back(C::tagDe(couleur, position));
        }
        return tags;
    };
    const auto tag = [](C::Couleur couleur, C::Position position) { return C::tagDe(couleur, position); };
    EXPECT_EQ(cartes(meld(Annonce::CinqCartes, C::Pique, C::As, 100)),
              (std::vector<unsigned>{tag(C::Pique, C::As), tag(C::Pique, C::Roi), tag(C::Pique, C::Dame),
                                     tag(C::Pique, C::Valet), tag(C::Pique, C::Dix)}));
    EXPECT_EQ(cartes(meld(Annonce::Carre, C::Coeur, C::Neuf, 150)),
              (std::vector<unsigned>{tag(C::Trefle, C::Neuf), tag(C::Carreau, C::Neuf), tag(C::Pique, C::Neuf),
                                     tag(C::Coeur, C::Neuf)}));
    EXPECT_EQ(aucune.getNbCartes(), 0);
    EXPECT_EQ(meld(Annonce::QuatreCartes, C::Trefle, C::Neuf, 50).getNbCartes(), 4);

    AssertionsRelevees relevees;
    C::Couleur couleur{};
    C::Position position{};
    EXPECT_FALSE(meld(Annonce::TroisCartes, C::Trefle, C::Huit, 20).getCarte(3, couleur, position));
    EXPECT_FALSE(aucune.getCarte(0, couleur, position));
    EXPECT_EQ(relevees.toutes().size(), 2u);
    EXPECT_TRUE(relevees.contient("posInAnnonce < nbCartesDsAnnonce"));
    // A run whose lowest card would fall below the Six.
    EXPECT_FALSE(meld(Annonce::TroisCartes, C::Trefle, C::Sept, 20).getCarte(2, couleur, position));
    EXPECT_TRUE(relevees.contient("pos >= Carte::Six"));
}

TEST(Annonce, NamesOfTheTypes) {
    EXPECT_EQ(aucune.getNomType(), "Pas d'annonce");
    EXPECT_EQ(meld(Annonce::CinqCartes, C::Pique, C::As, 100).getNomType(), "Cinq cartes");
    EXPECT_EQ(meld(Annonce::Carre, C::Coeur, C::Roi, 100).getNomType(), "Carr\xE9");
}

TEST(Annonces, SaveAndLoad) {
    const Annonces trois(suite(C::Trefle, C::Six, C::Huit) | suite(C::Carreau, C::Dix, C::Dame) |
                         suite(C::Pique, C::Sept, C::Neuf));
    const std::string texte = trois.save();
    EXPECT_EQ(texte, "{{1\xA6" "2\xA6" "12\xA6" "20\xA6}\xA6{1\xA6" "1\xA6" "8\xA6" "20\xA6}\xA6{1\xA6" "3\xA6"
                     "9\xA6" "20\xA6}\xA6}");
    EXPECT_EQ(Annonces(texte), trois);

    const Annonces seule(quatre(C::Valet) | main({{C::Trefle, C::Six}}));
    EXPECT_EQ(seule.save(), "{{4\xA6" "4\xA6" "11\xA6" "200\xA6}\xA6{0\xA6" "0\xA6" "0\xA6" "0\xA6}\xA6{0\xA6"
                            "0\xA6" "0\xA6" "0\xA6}\xA6}");
    EXPECT_EQ(Annonces(seule.save()), seule);
}

TEST(Annonces, MalformedTextsAreRejected) {
    const std::string vide = "{0\xA6" "0\xA6" "0\xA6" "0\xA6}";
    const auto texte = [&](const std::string& principale, const std::string& deuxieme = "{0\xA6" "0\xA6" "0\xA6" "0\xA6}") {
        return "{" + principale + "\xA6" + deuxieme + "\xA6" + vide + "\xA6}";
    };
    const auto annonce = [](const std::string& type, const std::string& couleur, const std::string& position,
                            const std::string& points) {
        return "{" + type + "\xA6" + couleur + "\xA6" + position + "\xA6" + points + "\xA6}";
    };
    const std::vector<std::pair<const char*, std::string>> textes = {
        {"empty", ""},
        {"no fields", "{}"},
        {"not a record", "abc"},
        {"two slots only", "{" + vide + "\xA6" + vide + "\xA6}"},
        {"slot is plain text", texte("abc")},
        {"type 5", texte(annonce("5", "1", "8", "20"))},
        {"type -1", texte(annonce("-1", "1", "8", "20"))},
        {"run without suit", texte(annonce("1", "0", "8", "20"))},
        {"run of suit 5", texte(annonce("1", "5", "8", "20"))},
        {"rank 15", texte(annonce("1", "1", "15", "20"))},
        {"run below the Six", texte(annonce("3", "1", "9", "100"))},
        {"points of another type", texte(annonce("1", "1", "8", "50"))},
        {"four Huit", texte(annonce("4", "4", "8", "100"))},
        {"four Valet at 150", texte(annonce("4", "4", "11", "150"))},
        {"four-of-a-kind not in Coeur", texte(annonce("4", "1", "11", "200"))},
        {"no meld with points", texte(annonce("0", "0", "0", "20"))},
        {"second better than principal", texte(annonce("1", "1", "8", "20"), annonce("4", "4", "11", "200"))},
        {"not a number", texte(annonce("1", "1", "x", "20"))},
        {"missing field", texte("{1\xA6" "1\xA6" "8\xA6}")},
        {"number too large", texte(annonce("1", "1", "8", "99999999999"))},
    };
    for (const auto& [nom, malforme] : textes) {
        SCOPED_TRACE(nom);
        EXPECT_THROW(Annonces{malforme}, Exception);
    }
    EXPECT_THROW(Annonces{texte(annonce("5", "1", "8", "20"))}, ErreurDeFormat);
    EXPECT_THROW(Annonces{texte(annonce("1", "1", "x", "20"))}, ErreurDeConversion);
}

TEST(Annonces, NotAnnouncedIsAnInternalError) {
    AssertionsRelevees relevees;
    const Annonces pasEncore;
    EXPECT_FALSE(pasEncore.isValid());
    pasEncore.save();
    pasEncore.getTotalPoints();
    EXPECT_EQ(relevees.toutes().size(), 2u);
    EXPECT_TRUE(relevees.contient("m_isValid"));
}

namespace {

const CarteSet sansAnnonce = main({{C::Trefle, C::Six}, {C::Trefle, C::Huit}, {C::Carreau, C::Dix}});
const CarteSet trefle678 = suite(C::Trefle, C::Six, C::Huit);
const CarteSet carreau678 = suite(C::Carreau, C::Six, C::Huit);
const CarteSet pique789 = suite(C::Pique, C::Sept, C::Neuf);
const CarteSet coeur6789 = suite(C::Coeur, C::Six, C::Neuf);

struct CasDeContest {
    const char* nom;
    CarteSet mains[4];
    Atout atout;
    int meilleure;
};

}  // namespace

TEST(Annonces, ContestBetweenFourAnnouncements) {
    const std::vector<CasDeContest> cas = {
        {"nobody", {sansAnnonce, sansAnnonce, sansAnnonce, sansAnnonce}, Atout::Pique, -1},
        {"the only meld", {sansAnnonce, sansAnnonce, trefle678, sansAnnonce}, Atout::Coeur, 2},
        {"more points", {trefle678, coeur6789, pique789, sansAnnonce}, Atout::Trefle, 1},
        {"higher rank", {trefle678, pique789, carreau678, sansAnnonce}, Atout::Coeur, 1},
        {"equal melds, earlier wins", {sansAnnonce, trefle678, carreau678, sansAnnonce}, Atout::Pique, 1},
        {"equal melds, later in trump wins", {sansAnnonce, trefle678, carreau678, sansAnnonce}, Atout::Carreau, 2},
        {"equal melds, earlier in trump keeps it", {sansAnnonce, trefle678, carreau678, sansAnnonce}, Atout::Trefle, 1},
        {"equal melds without trump, earlier wins", {trefle678, carreau678, sansAnnonce, sansAnnonce},
         Atout::HautEnBas, 0},
        // Equal points: a later meld in the trump suit takes the lead even with a lower rank.
        {"trump before rank", {pique789, trefle678, sansAnnonce, sansAnnonce}, Atout::Trefle, 1},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        const Annonces annonces[4] = {Annonces(c.mains[0]), Annonces(c.mains[1]), Annonces(c.mains[2]),
                                      Annonces(c.mains[3])};
        EXPECT_EQ(Annonces::meilleureAnnonce(annonces, c.atout), c.meilleure);
    }
}

TEST(Annonces, OnlyTheTeamOfTheBestMeldScoresBothTotals) {
    // Announcements 0 and 2 come from seats 1 and 3.
    const Annonces annonces[4] = {Annonces(quatre(C::Valet) | carreau678), Annonces(pique789),
                                  Annonces(trefle678), Annonces(sansAnnonce)};
    const ResultatDesAnnonces equipe2 = resultatDesAnnonces(annonces, 1, Atout::Pique, 2);
    EXPECT_EQ(equipe2.meilleure, 0);
    EXPECT_EQ(equipe2.partenaire, 2);
    EXPECT_EQ(equipe2.equipe, 2);
    EXPECT_EQ(equipe2.points, (220 + 20) * 2);

    // The same announcements made from seat 2 onwards: the best sits at seat 2, team 1.
    const ResultatDesAnnonces equipe1 = resultatDesAnnonces(annonces, 2, Atout::Pique, 3);
    EXPECT_EQ(equipe1.equipe, 1);
    EXPECT_EQ(equipe1.points, (220 + 20) * 3);

    const Annonces rien[4] = {Annonces(sansAnnonce), Annonces(sansAnnonce), Annonces(sansAnnonce),
                              Annonces(sansAnnonce)};
    const ResultatDesAnnonces personne = resultatDesAnnonces(rien, 0, Atout::Coeur, 1);
    EXPECT_EQ(personne.meilleure, -1);
    EXPECT_EQ(personne.equipe, 0);
    EXPECT_EQ(personne.points, 0);
}
