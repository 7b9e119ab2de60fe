#include <gtest/gtest.h>

#include <atomic>

#include "ai/AI_ChoixAtout.h"
#include "ai/Maitre_ChoixAtout.h"
#include "ai/Maitre_ModeleDeJeu.h"
#include "ai/Maitre_Solveur.h"
#include "rules/KnuthRandom.h"
#include "rules/TypeDePartiesPossibles.h"
#include "support/Cartes.h"

namespace {

std::chrono::steady_clock::time_point horlogeArretee() { return {}; }

const TypeDePartie& variante(int numero) { return TypeDePartiesPossibles::commune()[static_cast<std::size_t>(numero)]; }

Maitre_ChoixAtout::Resultat choisit(StatusAtout status, const std::string& main, int moi, int variante_ = 0,
                                    bool abandon = false) {
    Maitre_Solveur solveur(16);
    KnuthRandom aleatoire(true);
    const std::atomic<bool> stop{abandon};
    return Maitre_ChoixAtout(status, ens(main), moi, variante(variante_)).choisit(aleatoire, solveur, stop, horlogeArretee);
}

StatusAtout apresChibre() {
    StatusAtout status;
    status.estChibre = true;
    return status;
}

}  // namespace

// Hands whose choice no Jass player would doubt, in both seats' teams and in the variant with
// the no-trump orders and their multipliers: the strong suit, the top cards with no trump, and
// a hand of small cards in every suit passes the choice to the partner.
TEST(Maitre_ChoixAtout, ChoisitCeQueLaMainDemande) {
    const struct {
        const char* main;
        int moi;
        int variante;
        StatusAtout status;
        bool chibre;
        Atout atout;
    } cas[] = {
        {"VC 9C AC RC XC AT AK 6P 7P", 0, 0, {}, false, Atout::Coeur},
        {"VP 9P AP DP 8P 7P AK RK 6T", 1, 0, apresChibre(), false, Atout::Pique},
        {"6T 7T 6K 7K 8K 6P 7P 6C 7C", 2, 0, {}, true, Atout::Invalide},
        {"AT RT AK RK AP RP AC RC XC", 3, 3, {}, false, Atout::HautEnBas},
    };
    for (const auto& c : cas) {
        const auto resultat = choisit(c.status, c.main, c.moi, c.variante);
        SCOPED_TRACE(c.main);
        EXPECT_GT(resultat.echantillons, 0);
        // The partner's answer keeps the chibre it was given, as the table expects.
        EXPECT_EQ(resultat.status.estChibre, c.chibre || c.status.estChibre);
        EXPECT_EQ(resultat.status.estChoisi, !c.chibre);
        EXPECT_EQ(resultat.status.atout, c.atout);
        EXPECT_EQ(resultat.status.multiplicateur, variante(c.variante).getMultiplicateur(c.atout));
        // The partner who was passed the choice cannot pass it back.
        if (c.status.estChibre) {
            EXPECT_FALSE(resultat.chibrePossible);
        }
    }
}

// Same hand and generator state, same choice after the same work; stopped before any deal is
// weighed, the evaluation-based player's choice.
TEST(Maitre_ChoixAtout, DeterministeEtRepliSansTemps) {
    const char* main = "VK 9K 6K AT 8T 6P DP 7C AC";
    const auto a = choisit({}, main, 0), b = choisit({}, main, 0);
    EXPECT_EQ(a.status.save(), b.status.save());
    EXPECT_EQ(a.travail, b.travail);
    EXPECT_EQ(a.ecarts, b.ecarts);

    const auto stoppe = choisit({}, main, 0, 0, true);
    EXPECT_EQ(stoppe.echantillons, 0);
    EXPECT_EQ(stoppe.status.save(), AI_ChoixAtout::choisit({}, ens(main), variante(0)).save());
}

// Every deal keeps the seat's hand and gives nine of the other cards to each other seat; after the
// partner's chibre, the partner mostly holds a hand the model of play passes, where a first
// choice sees such hands no more often than chance deals them.
TEST(Maitre_ChoixAtout, ApresUnChibreLePartenaireTientUneMainQuIlPasserait) {
    const CarteSet main = ens("VC 9C AC RC XC AT AK 6P 7P");
    constexpr int TIRAGES = 400;
    std::array<int, 2> passees{};
    for (const bool chibre : {false, true}) {
        const Maitre_ChoixAtout choix(chibre ? apresChibre() : StatusAtout(), main, 1, variante(0));
        KnuthRandom aleatoire(true);
        for (int k = 0; k < TIRAGES; ++k) {
            const std::array<CarteSet, 4> mains = choix.tireMains(aleatoire);
            ASSERT_EQ(mains[1], main);
            std::uint64_t toutes = 0;
            for (const CarteSet& autre : mains) {
                ASSERT_EQ(autre.size(), 9u);
                ASSERT_EQ(toutes & autre.masque(), 0u);
                toutes |= autre.masque();
            }
            if (Maitre_ModeleDeJeu::probaChibre(mains[3], variante(0)) > 0.5) ++passees[chibre];
        }
    }
    EXPECT_GT(passees[1], TIRAGES / 2);
    EXPECT_GT(passees[1], 2 * passees[0]);
}
