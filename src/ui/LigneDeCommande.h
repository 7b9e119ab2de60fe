#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for. The first argument is compared exactly, so "-French" is not
// "-french".
struct LigneDeCommande {
    enum class Action {
        NouvellePartie,
        Serveur,
        Client,
        Fichier,
        Allemand,
        Francais,
        Anglais,
        ServeurDirectPlay,
        ClientDirectPlay,
        LanceParLobby,
        Invalide,
    };

    Action action = Action::NouvellePartie;
    // The second argument: the host's address for -client, the game file for -file; for -MSN, the
    // launch file or link that follows it.
    QString argument;
    // The whole command line, for the usage text.
    QString texteComplet;

    // arguments: as the program received them, the program itself first.
    static LigneDeCommande analyse(const QStringList& arguments);
};
