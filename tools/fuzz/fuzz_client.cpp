// Feeds arbitrary bytes to a client as the host of a network game would send them. A client with
// a computer player joins a host of the fuzzer's; once the link is up, whatever the host sends is
// the input, cut into receipts by the input's own bytes, with the virtual clock moving between
// them (a message may come whole, in pieces, or several at once); then the host goes away. The
// client may refuse what it is sent and end its game with a message, but a crash, a read out of
// bounds or an internal check is a finding.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "FuzzDuReseau.h"
#include "net/PartieEnReseau.h"

namespace {

// Virtual time the client is given once the host has gone.
constexpr int FIN_MS = 10 * 1000;

struct HoteDuFuzzer : Ecoute::Observateur, BoutDuFuzzer {
    void nouveauLien(std::unique_ptr<Lien> nouveau) override {
        lien = std::move(nouveau);
        lien->setObservateur(this);
    }
    std::unique_ptr<Lien> lien;
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    prepareLeFuzzDuReseau();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    PlateformeFactice plateforme;
    plateforme.reponses = {false};  // no second game
    ReseauEnMemoire reseau(static_cast<unsigned>(taille));
    HoteDuFuzzer hote;
    const std::unique_ptr<Ecoute> ecoute = reseau.nouvelleEcoute();
    ecoute->setObservateur(&hote);
    ecoute->ouvre(0);

    Poste poste(joueurOrdinateur("C1", 100));
    const FabriqueDeTransports::Client transport = [&](ListeDesEvenements& liste) {
        return std::make_unique<Client>(reseau.nouveauLien(), ecoute->port(), liste, poste);
    };
    poste.table.setTransports({{}, transport, {}, transport});
    poste.table.commencePartie(Table::NouvellePartie, OptionsDePartie::ClientTCP, "127.0.0.1");
    plateforme.avance(20);
    if (!hote.lien) return 0;

    envoieParRecus(donnees, taille, *hote.lien, [&](int ms) { plateforme.avance(ms); });
    hote.lien->ferme();
    plateforme.avance(FIN_MS);
    return 0;
}
