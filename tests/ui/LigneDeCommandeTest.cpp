#include <gtest/gtest.h>

#include "ui/LigneDeCommande.h"

namespace {

using Action = LigneDeCommande::Action;

struct Cas {
    QStringList arguments;
    Action action;
    QString argument;
};

TEST(LigneDeCommande, LePremierArgumentChoisitLActionEtLeSecondLaPrecise) {
    const Cas cas[] = {
        {{"trumpwise"}, Action::NouvellePartie, ""},
        {{"trumpwise", ""}, Action::NouvellePartie, ""},
        {{"trumpwise", "-server"}, Action::Serveur, ""},
        {{"trumpwise", "-client", "192.168.1.7"}, Action::Client, "192.168.1.7"},
        {{"trumpwise", "-file", "partie.jss"}, Action::Fichier, "partie.jss"},
        {{"trumpwise", "-german"}, Action::Allemand, ""},
        {{"trumpwise", "-french"}, Action::Francais, ""},
        {{"trumpwise", "-english"}, Action::Anglais, ""},
        {{"trumpwise", "-serverDP"}, Action::ServeurDirectPlay, ""},
        {{"trumpwise", "-clientDP"}, Action::ClientDirectPlay, ""},
        {{"trumpwise", "/lobby", "-MSN"}, Action::LanceParLobby, ""},
        {{"trumpwise", "-MSN", "trumpwise:join?session=s&address=127.0.0.1"}, Action::LanceParLobby,
         "trumpwise:join?session=s&address=127.0.0.1"},
        // Compared exactly: another case or a longer word is not the option.
        {{"trumpwise", "-French"}, Action::Invalide, ""},
        {{"trumpwise", "-files", "a.jss"}, Action::Invalide, "a.jss"},
        {{"trumpwise", "partie.jss"}, Action::Invalide, ""},
    };
    for (const Cas& c : cas) {
        const LigneDeCommande ligne = LigneDeCommande::analyse(c.arguments);
        EXPECT_EQ(ligne.action, c.action) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(ligne.argument, c.argument) << c.arguments.join(' ').toStdString();
    }
}

TEST(LigneDeCommande, LUsageCiteLaLigneEntiere) {
    const LigneDeCommande ligne = LigneDeCommande::analyse({"/usr/bin/trumpwise", "-French", "x"});
    EXPECT_EQ(ligne.action, Action::Invalide);
    EXPECT_EQ(ligne.texteComplet, "/usr/bin/trumpwise -French x");
}

TEST(LigneDeCommande, LeNomDuProgrammeNeFaitPasUnLancementParLeLobby) {
    EXPECT_EQ(LigneDeCommande::analyse({"/opt/-MSN/trumpwise", "-x"}).action, Action::Invalide);
    EXPECT_EQ(LigneDeCommande::analyse({"/opt/-MSN/trumpwise"}).action, Action::NouvellePartie);
}

}  // namespace
