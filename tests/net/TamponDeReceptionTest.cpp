#include <gtest/gtest.h>

#include "net/TamponDeReception.h"
#include "platform/Exception.h"
#include "support/Separateur.h"

namespace {
std::vector<std::string> messages(TamponDeReception& tampon) {
    std::vector<std::string> resultat;
    while (auto message = tampon.suivant()) resultat.push_back(*message);
    return resultat;
}
}  // namespace

// A message given one byte at a time comes out whole once its last brace arrived, nested records
// included; several in one receipt come out in order.
TEST(TamponDeReception, HoldsAnIncompleteTailAndSplitsSeveralMessages) {
    const std::string inscription = b("{Message_v3.1|{1|0|Pierre|1|0|0|2|4242|}|4|100|}");
    const std::string carte = b("{AjouteCarte_v3.1|2_7.Le Sept de Carreau|0|21|}");
    TamponDeReception tampon;
    std::vector<std::string> recus;
    for (char octet : inscription + carte) {
        tampon.ajoute(std::string(1, octet));
        for (auto& message : messages(tampon)) recus.push_back(message);
    }
    EXPECT_EQ(recus, (std::vector<std::string>{inscription, carte}));
    tampon.ajoute(carte + inscription + carte.substr(0, 5));
    EXPECT_EQ(messages(tampon), (std::vector<std::string>{carte, inscription}));
    EXPECT_EQ(tampon.taille(), 5u);
}

TEST(TamponDeReception, RefusesBytesThatCannotStartAMessage) {
    TamponDeReception tampon;
    tampon.ajoute("GET / HTTP/1.0\r\n");
    EXPECT_THROW(tampon.suivant(), ErreurDeFormat);
    EXPECT_TRUE(tampon.estVide());
}

// A record that never closes is refused once it passes the bound, and nothing of it is kept.
TEST(TamponDeReception, BoundsARecordThatNeverCloses) {
    TamponDeReception tampon;
    tampon.ajoute("{{");
    const std::string bloc(4096, 'x');
    bool refuse = false;
    for (std::size_t envoye = 0; envoye <= TamponDeReception::TAILLE_MAXI && !refuse; envoye += bloc.size()) {
        tampon.ajoute(bloc);
        try {
            EXPECT_FALSE(tampon.suivant());
        } catch (const ErreurDeFormat&) {
            refuse = true;
        }
    }
    EXPECT_TRUE(refuse);
    EXPECT_TRUE(tampon.estVide());
}
