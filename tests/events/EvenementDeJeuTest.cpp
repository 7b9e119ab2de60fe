#include <gtest/gtest.h>

#include "support/Separateur.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "platform/Exception.h"
#include "rules/OptionsDuJoueur.h"
#include "rules/Annonces.h"
#include "rules/Carte.h"
#include "rules/OptionsDePartie.h"
#include "rules/StatusAtout.h"
#include "support/AssertionsRelevees.h"
#include "support/Cartes.h"
#include "events/EvenementDeJeu.h"
#include "events/SettingsPartie.h"
#include "events/Statistiques.h"

namespace {

using E = EvenementDeJeu;
using T = TypeEvenement;


std::string statut(bool chibre, bool choisi, Atout atout, int multiplicateur) {
    StatusAtout status;
    status.estChibre = chibre;
    status.estChoisi = choisi;
    status.atout = atout;
    status.multiplicateur = multiplicateur;
    return status.save();
}

std::string joueur(const std::string& nom, OptionsDuJoueur::Race race) {
    OptionsDuJoueur options;
    options.load(b("{1|1|" + nom + "|1|0|" + std::to_string(race) + "|2|7|}"));
    return options.save();
}

std::string settingsDePremiereDonne() {
    SettingsPartie settings;
    settings.etatRandom = b("{0|1234|0|}");
    settings.statistiques = Statistiques().texte();
    return settings.save();
}

struct Cas {
    const char* nom;
    T type;
    std::string donnees;
    E::Intervenant intervenant;
    int numero;
    std::string texte;  // empty: the kind's name, the parameter, the actor and the number as written
    std::string description;
};

std::string texteAttendu(const Cas& cas) {
    if (!cas.texte.empty()) return b(cas.texte);
    return "{" + nomTypeEvenement(cas.type) + "\xA6" + cas.donnees + "\xA6" + std::to_string(cas.intervenant) +
           "\xA6" + std::to_string(cas.numero) + "\xA6}";
}

std::vector<Cas> tousLesGenres() {
    const std::string troisCartes = Annonces(ens("6T 7T 8T XK VP DC RC AC 6P")).save();
    return {
        {"InscriptionTypeDePartie", T::InscriptionTypeDePartie, OptionsDePartie().save(), E::Table, 1, "", ""},
        {"InscriptionJoueur", T::InscriptionJoueur, joueur("Alphonse", OptionsDuJoueur::AI), E::Table, 3,
         "{InscriptionJoueur_v3.1|{1|1|Alphonse|1|0|5|2|7|}|4|3|}", "Alphonse"},
        {"EnregistrementSettingsPartie", T::EnregistrementSettingsPartie, settingsDePremiereDonne(), E::Table, 6,
         "{EnregistrementSettingsPartie_v3.1|{-10|{0|1234|0|}|0|0|{0|0|0|0|}|0|0|0||}|4|6|}", ""},
        {"Distribue", T::Distribue, "Ok", E::Joueur2, 9, "{Distribue_v3.1|Ok|2|9|}", "Ok"},
        {"ChoisitAtout", T::ChoisitAtout, statut(false, true, Atout::Pique, 2), E::Joueur1, 11,
         "{ChoisitAtout_v3.1|{0|1|3|2|}|1|11|}", "Pique"},
        {"ChoisitAtoutChibre", T::ChoisitAtout, statut(true, false, Atout::Invalide, 0), E::Joueur1, 11,
         "{ChoisitAtout_v3.1|{1|0|0|0|}|1|11|}", "Chibre"},
        {"ChoisitAtoutApresChibre", T::ChoisitAtout, statut(false, true, Atout::BasEnHaut, 1), E::Joueur3, 12, "",
         "De bas en haut"},
        {"Annonce", T::Annonce, troisCartes, E::Joueur3, 13, "", "Trois cartes"},
        {"ConfirmationAnnonce", T::ConfirmationAnnonce, "Ok", E::Joueur1, 18, "", "Ok"},
        {"AjouteCarte", T::AjouteCarte, "2_7.Le Sept de Carreau", E::Joueur0, 21, "{AjouteCarte_v3.1|2_7.Le Sept de Carreau|0|21|}", "Le Sept de Carreau"},
        {"AjouteCarteDernierPli", T::AjouteCarte, "4_14.L\xB4" "As de Coeur", E::Joueur2, 88, "",
         "L\xB4" "As de Coeur"},
        {"RamasseTas", T::RamasseTas, "Ok", E::Joueur3, 28, "{RamasseTas_v3.1|Ok|3|28|}", "Ok"},
        {"FinDePartie", T::FinDePartie, "Ok", E::Joueur1, 96, "", "Ok"},
        {"MessageJoueur", T::Message, "{salut}", E::Joueur1, 99, "{Message_v3.1|{salut}|1|99|}", "salut"},
        {"MessageAvecAccolades", T::Message, "a}b{c}", E::Joueur0, 99, "", "abc}"},
        {"MessageInscription", T::Message, joueur("Pierre", OptionsDuJoueur::Humain), E::Table, 100, "",
         b("1|1|Pierre|1|0|0|2|7|")},
    };
}

void PrintTo(const Cas& cas, std::ostream* os) { *os << cas.nom; }

class ToutGenreDEvenement : public ::testing::TestWithParam<Cas> {};

}  // namespace

TEST_P(ToutGenreDEvenement, EncodesDecodesAndDescribesItself) {
    const Cas& cas = GetParam();
    const E construit(cas.type, cas.donnees, cas.intervenant, cas.numero);
    EXPECT_EQ(construit.save(), texteAttendu(cas));

    const E lu(construit.save());
    EXPECT_EQ(lu.getType(), cas.type);
    EXPECT_EQ(lu.getDonnees(), cas.donnees);
    EXPECT_EQ(lu.getIntervenant(), cas.intervenant);
    EXPECT_EQ(lu.getNoEvenement(), cas.numero);
    EXPECT_EQ(lu.save(), construit.save());
    EXPECT_EQ(lu.description(), cas.description);
}

INSTANTIATE_TEST_SUITE_P(EvenementDeJeu, ToutGenreDEvenement, ::testing::ValuesIn(tousLesGenres()),
                         [](const auto& info) { return std::string(info.param.nom); });

TEST(EvenementDeJeu, StatesAndKindsHaveTheirFixedValues) {
    EXPECT_EQ(E::Tour1_AttendCarte1, 21);
    EXPECT_EQ(E::Tour1_AttendRamasseTas1, 25);
    EXPECT_EQ(E::Tour3_AttendCarte2, 38);
    EXPECT_EQ(E::Tour3_AttendRamasseTas4, 44);
    EXPECT_EQ(E::Tour9_AttendCarte4, 88);
    EXPECT_EQ(E::Tour9_AttendRamasseTas4, 92);
    EXPECT_EQ(E::Vide_Avant_NouvellePartie, 98);
    EXPECT_EQ(E::EtatJeu_FinDeTableau, 101);
    EXPECT_EQ(static_cast<int>(T::Annonce), 22);
    EXPECT_EQ(nomTypeEvenement(static_cast<T>(3)), "v2.0");
    EXPECT_EQ(nomTypeEvenement(T::Reserve20), "v3.0");
    EXPECT_EQ(E::etatFinDePartie(0), 94);
    EXPECT_EQ(E::etatFinDePartie(2), 95);
    EXPECT_EQ(E::etatFinDePartie(1), 96);
    EXPECT_EQ(E::etatFinDePartie(3), 97);
    EXPECT_TRUE(E::estEtatCarte(85));
    EXPECT_FALSE(E::estEtatCarte(89));
    EXPECT_EQ(E::siegeDuRamasseTas(67), 2);
}

TEST(EvenementDeJeu, SplitsSeveralEventsWrittenOneAfterAnother) {
    const std::string trois =
        b("{Distribue_v3.1|Ok|0|7|}{ChoisitAtout_v3.1|{0|1|5|1|}|2|11|}{AjouteCarte_v3.1|1_6.Le Six de Trefle|2|21|}");
    std::vector<E> lus;
    std::string reste = trois;
    while (!reste.empty()) {
        const std::string texte = reste;
        lus.emplace_back(texte, reste);
        ASSERT_LE(lus.size(), 3u);
    }
    ASSERT_EQ(lus.size(), 3u);
    EXPECT_EQ(lus[0].getType(), T::Distribue);
    EXPECT_EQ(lus[1].getType(), T::ChoisitAtout);
    EXPECT_EQ(lus[1].description(), "De haut en bas");
    EXPECT_EQ(lus[2].save(), b("{AjouteCarte_v3.1|1_6.Le Six de Trefle|2|21|}"));

    // Exactly one event, or an error.
    EXPECT_THROW(E{trois}, ErreurDeFormat);
    std::string accolade;
    const E suivi(b("{Distribue_v3.1|Ok|2|9|}}"), accolade);
    EXPECT_EQ(accolade, "}");
    EXPECT_THROW(E{accolade}, ErreurDeFormat);
    EXPECT_THROW(E{b("{Distribue_v3.1|Ok|2|9|}}")}, ErreurDeFormat);
}

TEST(EvenementDeJeu, NamesOfOtherVersions) {
    const E ancien(b("{V3.0|x|4|50|}"));
    EXPECT_EQ(ancien.getType(), T::Reserve17);
    EXPECT_EQ(E(b("{v3.0|x|1|2|}")).getType(), T::Reserve20);

    for (const char* nom : {"v2.0", "Distribue_v3.0", "AjouteCarte", "", "{Distribue_v3.1}"}) {
        try {
            E{b("{" + std::string(nom) + "|Ok|0|7|}")};
            ADD_FAILURE() << nom << " was recognised";
        } catch (const ErreurVersionIncompatible& erreur) {
            EXPECT_STREQ(erreur.what(),
                         "Un client essaye de se connecter avec une version qui n'est pas compatible avec Trumpwise v3.1");
        }
    }
}

TEST(EvenementDeJeu, RefusesWhatItCannotDecodeAndStaysAsItWas) {
    const std::vector<std::string> malformes = {
        "",
        "Distribue_v3.1",
        "{}",
        "}",
        "{",
        "{Distribue_v3.1|Ok|2|9|",           // no closing brace
        "{Distribue_v3.1|Ok|2|9|extra|}",    // a fifth field
        "{Distribue_v3.1|Ok|2|}",            // a missing field
        "{Distribue_v3.1|Ok|2}",
        "{Distribue_v3.1|Ok|deux|9|}",       // not a number
        "{Distribue_v3.1|Ok|2|9x|}",
        "{Distribue_v3.1|Ok|2|99999999999|}",
        "{Distribue_v3.1|Ok|2||}",
        "{Message_v3.1|{abc|1|99|}",         // a nested record that never closes
        "{Message_v3.1|{{{{|1|99|}",
        "|{Distribue_v3.1|Ok|2|9|}",
        "{Distribue_v3.1|Ok|5|9|}",          // actor outside 0 to 4
        "{Distribue_v3.1|Ok|-1|9|}",
        "{Distribue_v3.1|Ok|2|101|}",        // number outside 0 to 100
        "{Distribue_v3.1|Ok|2|-1|}",
        "{V3.0|x|9|50|}",
        "{AjouteCarte_v3.1|5_7.x|0|21|}",    // a card identifier that names no card
        "{AjouteCarte_v3.1|2_5.x|0|21|}",
        "{AjouteCarte_v3.1|02_7.x|0|21|}",
        "{AjouteCarte_v3.1||0|21|}",
        "{AjouteCarte_v3.1|{2_7}|0|21|}",
        // an actor or a number that the kind never has
        "{Distribue_v3.1|Ok|2|8|}",
        "{Distribue_v3.1|Ok|4|7|}",
        "{AjouteCarte_v3.1|2_7.x|0|25|}",
        "{AjouteCarte_v3.1|2_7.x|4|21|}",
        "{RamasseTas_v3.1|Ok|1|25|}",
        "{RamasseTas_v3.1|Ok|0|21|}",
        "{FinDePartie_v3.1|Ok|2|96|}",
        "{ConfirmationAnnonce_v3.1|Ok|0|18|}",
        "{Annonce_v3.1|{{0|0|0|0|}|{0|0|0|0|}|{0|0|0|0|}|}|0|17|}",
        "{InscriptionJoueur_v3.1|{1|1|P|1|0|0|2|7|}|0|2|}",
        "{InscriptionJoueur_v3.1|{1|1|P|1|0|0|2|7|}|4|6|}",
        "{InscriptionTypeDePartie_v3.1|{0|0|2|0|1|}|4|2|}",
        "{Message_v3.1|salut|4|99|}",
        "{Message_v3.1|salut|1|50|}",
        "{Message_v3.1|{1|1|P|1|0|0|2|7|}|1|100|}",
        // a parameter that its kind's reader refuses
        "{ChoisitAtout_v3.1|{0|0|0|-1|}|0|11|}",  // neither chosen nor chibre
        "{ChoisitAtout_v3.1|{1|1|3|2|}|0|11|}",   // both
        "{ChoisitAtout_v3.1|{0|1|0|0|}|0|11|}",   // chosen, but no mode
        "{ChoisitAtout_v3.1|{1|0|0|0|}|2|12|}",   // the partner of a chibre passes again
        "{ChoisitAtout_v3.1|{0|1|8|1|}|0|11|}",
        "{ChoisitAtout_v3.1|Ok|0|11|}",
        "{Annonce_v3.1|Ok|0|13|}",
        "{Annonce_v3.1|{{9|0|0|0|}|{0|0|0|0|}|{0|0|0|0|}|}|0|13|}",
        "{InscriptionJoueur_v3.1|{1|1|P|1|0|6|2|7|}|4|2|}",  // race 6
        "{InscriptionJoueur_v3.1|{1|1|P|0|0|0|2|7|}|4|2|}",  // marked not valid
        "{InscriptionJoueur_v3.1|{1|1|P|1|0|0|2|}|4|2|}",
        "{InscriptionJoueur_v3.1|Ok|4|2|}",
        "{Message_v3.1|{1|9|P|1|0|0|2|7|}|4|100|}",
        "{InscriptionTypeDePartie_v3.1|Ok|4|1|}",
        "{EnregistrementSettingsPartie_v3.1|{7|{0|1|0|}|0|0|{0|0|0|0|}|0|0|0||}|4|6|}",  // seat 7
        "{EnregistrementSettingsPartie_v3.1|{-10|x|0|0|{0|0|0|0|}|0|0|0||}|4|6|}",
        "{EnregistrementSettingsPartie_v3.1|{-10|{0|1|0|}|0|0|{0|0|x|0|}|0|0|0||}|4|6|}",
        "{EnregistrementSettingsPartie_v3.1|{-10|{0|1|0|}|0|0|{0|0|0|0|}|0|0|0|}|4|6|}",
        "{EnregistrementSettingsPartie_v3.1|{-10|{0|1|0|}|0|0|{0|0|0|0|}|0|0|0|x|}|4|6|}",
        "{EnregistrementSettingsPartie_v3.1|Ok|4|6|}",
    };
    E evenement(T::Distribue, "Ok", E::Joueur2, 9);
    for (const std::string& texte : malformes) {
        SCOPED_TRACE(texte);
        EXPECT_THROW(evenement.load(b(texte)), ErreurDeFormat);
        EXPECT_EQ(evenement.save(), b("{Distribue_v3.1|Ok|2|9|}"));
        std::string reste = "inchangé";
        EXPECT_THROW(E(b(texte), reste), ErreurDeFormat);
        EXPECT_EQ(reste, "inchangé");
    }
}

TEST(EvenementDeJeu, GivesTheCardOfItsParameter) {
    EXPECT_EQ(E::parametreDeCarte(Carte::trouve(Carte::Carreau, Carte::Sept)), "2_7.Le Sept de Carreau");
    EXPECT_EQ(E::carteDuParametre("4_14.L\xB4" "As de Coeur"), &Carte::trouve(Carte::Coeur, Carte::As));
    EXPECT_EQ(E::carteDuParametre("1_6"), &Carte::trouve(Carte::Trefle, Carte::Six));
    // Only the identifier counts, not another one written in the name.
    EXPECT_EQ(E::carteDuParametre("3_10.x 1_6"), &Carte::trouve(Carte::Pique, Carte::Dix));
    EXPECT_EQ(E::carteDuParametre("3_1.x"), nullptr);
}

TEST(EvenementDeJeu, SeatOfAnActorThatIsNoPlayerIsAnInternalError) {
    EXPECT_EQ(E(T::Distribue, "Ok", E::Joueur3, 10).getNoJoueur(), 3);
    AssertionsRelevees relevees;
    E(T::InscriptionJoueur, "", E::Table, 2).getNoJoueur();
    EXPECT_TRUE(relevees.contient("intervenant_ < Table && intervenant_ >= Joueur0"));
}

TEST(EvenementDeJeu, ATrumpDecisionThatIsNeitherIsAnInternalErrorWhenDescribed) {
    AssertionsRelevees relevees;
    const E evenement(T::ChoisitAtout, StatusAtout().save(), E::Joueur0, 11);
    EXPECT_EQ(evenement.description(), "Chibre");
    EXPECT_TRUE(relevees.contient("statusAtout.estChibre"));
}

// The fuzzer's seeds are events as this program writes them: each file decodes whole.
TEST(EvenementDeJeu, DecodesEverySeedOfTheFuzzer) {
    int fichiers = 0;
    for (const auto& entree : std::filesystem::directory_iterator(std::string(TRUMPWISE_FIXTURES_DIR) + "/fuzz-seeds")) {
        SCOPED_TRACE(entree.path().string());
        std::ifstream flux(entree.path(), std::ios::binary);
        std::string reste{std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>()};
        while (!reste.empty()) {
            const std::string texte = reste;
            const E evenement(texte, reste);
            EXPECT_EQ(texte.substr(0, texte.size() - reste.size()), evenement.save());
        }
        ++fichiers;
    }
    EXPECT_GE(fichiers, 10);
}
