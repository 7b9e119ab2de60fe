#include "ui/LigneDeCommande.h"

#include <array>
#include <utility>

LigneDeCommande LigneDeCommande::analyse(const QStringList& arguments) {
    LigneDeCommande ligne;
    ligne.texteComplet = arguments.join(QLatin1Char(' '));
    const QString premier = arguments.value(1);
    ligne.argument = arguments.value(2);
    static const std::array<std::pair<const char*, Action>, 9> connus{{
        {"-server", Action::Serveur},
        {"-client", Action::Client},
        {"-file", Action::Fichier},
        {"-german", Action::Allemand},
        {"-french", Action::Francais},
        {"-english", Action::Anglais},
        {"", Action::NouvellePartie},
        {"-serverDP", Action::ServeurDirectPlay},
        {"-clientDP", Action::ClientDirectPlay},
    }};
    for (const auto& [texte, action] : connus) {
        if (premier == QLatin1String(texte)) {
            ligne.action = action;
            return ligne;
        }
    }
    const bool parLobby = arguments.mid(1).join(QLatin1Char(' ')).contains(QLatin1String("-MSN"));
    ligne.action = parLobby ? Action::LanceParLobby : Action::Invalide;
    // A launch names its file or link right after the option.
    if (parLobby) ligne.argument = arguments.value(arguments.indexOf(QLatin1String("-MSN")) + 1);
    return ligne;
}
