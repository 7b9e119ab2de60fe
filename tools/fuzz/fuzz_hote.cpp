// Feeds arbitrary bytes to a host as a peer of its network game would send them. The peer joins
// the server window, registers and is given seat 1 beside the host's computer players; from then
// on whatever it sends is the input, cut into receipts by the input's own bytes, with the virtual
// clock moving between them (a message may come whole, in pieces, or several at once); then it
// leaves, and the host plays on to the end of its game or a time limit. The host may refuse what
// it is sent and end the game with a message, but a crash, a read out of bounds or an internal
// check is a finding.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "FuzzDuReseau.h"
#include "net/PartieEnReseau.h"
#include "support/Separateur.h"

namespace {

// Virtual time the host is given to finish its game once the peer has gone.
constexpr int FIN_MAXI_MS = 20 * 60 * 1000;

struct Intrus : BoutDuFuzzer {
    Intrus(ReseauEnMemoire& reseau, std::uint16_t port) : lien(reseau.nouveauLien()) {
        lien->setObservateur(this);
        lien->connecte("127.0.0.1", port);
    }
    std::unique_ptr<LienSortant> lien;
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    prepareLeFuzzDuReseau();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    PartieEnReseau partie(0, static_cast<unsigned>(taille));
    partie.autresInscriptions = 1;
    partie.placement[1] = "Intrus";
    std::unique_ptr<Intrus> intrus;
    const auto composeEnOrdre = partie.hote->compose;
    partie.hote->compose = [&](CompositionDesEquipes& composition) {
        intrus = std::make_unique<Intrus>(partie.reseau, partie.hote->server->port());
        partie.avance(20);
        intrus->lien->envoie(b("{Message_v3.1|{1|0|Intrus|1|0|0|2|77|}|4|100|}"));
        return composeEnOrdre(composition);
    };
    partie.demarre();
    if (!intrus) return 0;

    envoieParRecus(donnees, taille, *intrus->lien, [&](int ms) { partie.avance(ms); });
    intrus->lien->ferme();
    partie.joueJusquALaFin(FIN_MAXI_MS);
    return 0;
}
