#pragma once

class CompositionDesEquipes;
class OptionsDuJoueur;

// What the network ends need of the windows: the player options dialog, the server window, the
// connection progress window and the main window's menus. The desktop program shows windows; the
// headless host and the tests answer on their own. Message boxes go through the platform.
class FenetresReseau {
public:
    virtual ~FenetresReseau() = default;
    // The player options dialog on a record, modal; 1 when confirmed.
    virtual int optionsDuJoueur(OptionsDuJoueur& options) = 0;
    // The server window over the composition, modal: connections keep coming in while it is
    // open. 1 when the host confirmed the teams.
    virtual int composeEquipes(CompositionDesEquipes& composition) = 0;
    // The connection progress window, shown while a client waits for its host.
    virtual void montreProgression(bool montre) = 0;
    // The main window's menus back to a game without network.
    virtual void menusLocaux() = 0;
};
