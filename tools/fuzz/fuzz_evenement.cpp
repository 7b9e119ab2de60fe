// Feeds arbitrary bytes to the decoders that game files and network messages reach: the game
// event (alone and as a run of events), the plain record reader and the records carried inside
// events. Each either decodes or throws an Exception; anything else (a crash, a read out of
// bounds, an internal check) is a finding, and so is a decoded event that does not come back
// the same through its own text or cannot describe itself.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/Assertion.h"
#include "platform/Exception.h"
#include "rules/OptionsDuJoueur.h"
#include "events/EvenementDeJeu.h"
#include "events/SettingsPartie.h"
#include "format/SpacesSeparatedString.h"
#include "events/Statistiques.h"

namespace {

[[noreturn]] void constat(const char* quoi) {
    std::fprintf(stderr, "finding: %s\n", quoi);
    std::abort();
}

void verifieAllerRetour(const EvenementDeJeu& evenement) {
    const EvenementDeJeu relu(evenement.save());
    if (relu.getType() != evenement.getType() || relu.getDonnees() != evenement.getDonnees() ||
        relu.getIntervenant() != evenement.getIntervenant() || relu.getNoEvenement() != evenement.getNoEvenement())
        constat("an event does not come back the same through its text");
    if (relu.save() != evenement.save()) constat("an event's text changes when read again");
    static_cast<void>(evenement.description());
}

void decodeUnEvenement(const std::string& texte) {
    try {
        const EvenementDeJeu evenement(texte);
        verifieAllerRetour(evenement);
    } catch (const Exception&) {
    }
}

void decodeUneSuite(const std::string& texte) {
    std::string reste = texte;
    try {
        while (!reste.empty()) {
            const std::string courant = reste;
            const EvenementDeJeu evenement(courant, reste);
            if (reste.size() >= courant.size()) constat("splitting events does not move forward");
            verifieAllerRetour(evenement);
        }
    } catch (const Exception&) {
    }
}

void litLesChamps(const std::string& texte) {
    try {
        SpacesSeparatedString lecteur(texte);
        // A remainder without a separator gives empty fields forever: bound the reads.
        for (std::size_t lu = 0; lu <= texte.size() && !lecteur.reste().empty(); ++lu) {
            const std::size_t avant = lecteur.reste().size();
            if (lu % 2 == 0)
                static_cast<void>(lecteur.getString());
            else
                static_cast<void>(lecteur.getInt());
            if (lecteur.reste().size() > avant) constat("reading a field made the remainder grow");
        }
    } catch (const Exception&) {
    }
}

template <class Enregistrement>
void chargeEnregistrement(const std::string& texte) {
    try {
        Enregistrement enregistrement;
        enregistrement.load(texte);
        Enregistrement relu;
        relu.load(enregistrement.save());
        if (relu.save() != enregistrement.save()) constat("a record's text changes when read again");
    } catch (const Exception&) {
    }
}

void chargeStatistiques(const std::string& texte) {
    try {
        Statistiques statistiques;
        static_cast<void>(statistiques.charge(texte));
        statistiques.ajouteResultat(-257, false);
    } catch (const Exception&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    assertion::installe([](const char* expression, const char* source, int ligne) {
        std::fprintf(stderr, "internal check reached from input: %s %s %d\n", expression, source, ligne);
        std::abort();
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string texte(reinterpret_cast<const char*>(donnees), taille);
    decodeUnEvenement(texte);
    decodeUneSuite(texte);
    litLesChamps(texte);
    chargeEnregistrement<OptionsDuJoueur>(texte);
    chargeEnregistrement<SettingsPartie>(texte);
    chargeStatistiques(texte);
    return 0;
}
