// Feeds arbitrary bytes to the decoders that game files and network messages reach: the game
// event (alone and as a run of events), the plain record reader, the records carried inside
// events, the stream of a link cut into messages, the discovery datagrams and the launch files.
// Each either decodes or refuses (an Exception, or nothing); anything else (a crash, a read out
// of bounds, an internal check) is a finding, and so is a decoded event that does not come back
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
#include "net/LancementDeSession.h"
#include "net/MessageDeDecouverte.h"
#include "net/TamponDeReception.h"

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

// The stream of a link: the bytes in two receipts, cut where the first byte says. Each message
// handed on is whole, and what is handed on and what waits are the bytes received, in order.
void decoupeLeFlux(const std::string& texte) {
    if (texte.empty()) return;
    const std::size_t coupure = static_cast<unsigned char>(texte[0]) % texte.size();
    TamponDeReception tampon;
    std::string rendu;
    try {
        for (const std::string& recu : {texte.substr(0, coupure), texte.substr(coupure)}) {
            tampon.ajoute(recu);
            while (const auto message = tampon.suivant()) {
                if (message->front() != '{' || message->back() != '}') constat("a message handed on is not whole");
                rendu += *message;
            }
        }
    } catch (const ErreurDeFormat&) {
        if (!tampon.estVide()) constat("a refused stream is not emptied");
        return;
    }
    if (rendu.size() + tampon.taille() != texte.size() || texte.compare(0, rendu.size(), rendu) != 0)
        constat("the messages handed on are not the bytes received");
}

// A datagram from anyone on the local network, and a launch file or link from outside.
void litDeLExterieur(const std::string& texte) {
    static_cast<void>(decouverte::estRequete(texte));
    if (const auto reponse = decouverte::litReponse(texte)) {
        const auto relue = decouverte::litReponse(decouverte::reponse(*reponse));
        if (!relue || relue->instance != reponse->instance || relue->port != reponse->port || relue->nom != reponse->nom)
            constat("a discovery answer does not come back the same");
    }
    static_cast<void>(LancementDeSession::lit(texte));
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
    decoupeLeFlux(texte);
    litDeLExterieur(texte);
    return 0;
}
