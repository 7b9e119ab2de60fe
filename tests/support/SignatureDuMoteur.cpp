#include "support/SignatureDuMoteur.h"

#include <cstdio>

#include "ai/AI_Joueur.h"
#include "events/Statistiques.h"
#include "platform/PlateformeVirtuelle.h"
#include "players/FabriqueDeJoueurs.h"
#include "table/Table.h"

namespace {

void melange(std::uint64_t& empreinte, const std::string& ligne) {
    for (const unsigned char octet : ligne) {
        empreinte ^= octet;
        empreinte *= 1099511628211ull;
    }
    empreinte ^= '\n';
    empreinte *= 1099511628211ull;
}

}  // namespace

std::string SignatureDuMoteur::texte() const {
    char tampon[200];
    std::snprintf(tampon, sizeof tampon, "parties %d, donnes %d, evenements %lld, points %lld / %lld, empreinte %016llx",
                  parties, donnes, static_cast<long long>(evenements), static_cast<long long>(points[0]),
                  static_cast<long long>(points[1]), static_cast<unsigned long long>(empreinte));
    return tampon;
}

SignatureDuMoteur calculeSignatureDuMoteur(int nbParties, int graine) {
    const FabriqueJoueur precedente = fabriquePour(OptionsDuJoueur::AI);
    enregistreFabrique(OptionsDuJoueur::AI, creeAIJoueur);
    SignatureDuMoteur signature;
    signature.empreinte = 14695981039346656037ull;
    for (int partie = 0; partie < nbParties; ++partie) {
        const int tirage = graine + partie;
        PlateformeVirtuelle plateforme;
        plateforme.heureLocale_.tm_min = tirage % 60;
        plateforme.heureLocale_.tm_hour = (tirage / 60) % 24;
        plateforme.reponses = {false};
        Statistiques statistiques;
        Table table(statistiques);
        // The variants and the two kinds of game take turns, so the signature covers them all.
        OptionsDePartie options;
        options.setTypeChibre(partie % 4);
        options.setTypePartie(partie % 2 ? OptionsDePartie::Concours : OptionsDePartie::Standard);
        table.setOptionsDePartie(options);
        table.commencePartie(Table::NouvellePartie, OptionsDePartie::Local, "");
        const char* noms[4] = {"Nord", "Est", "Sud", "Ouest"};
        for (int siege = 0; siege < 4; ++siege)
            table.inscritJoueur(OptionsDuJoueur(noms[siege], siege % 2 == 0, static_cast<std::uint8_t>(siege % 3),
                                                false, OptionsDuJoueur::AI, static_cast<std::uint8_t>(siege / 2)),
                                2 + siege);
        plateforme.avanceJusquAuRepos(2000000000);

        ++signature.parties;
        signature.donnes += table.compteurDonnes();
        for (int equipe = 0; equipe < 2; ++equipe) signature.points[equipe] += table.scoreEquipe(equipe);
        const auto& enregistrement = table.listeDesEvenements().enregistrement();
        signature.evenements += static_cast<std::int64_t>(enregistrement.size());
        for (const std::string& ligne : enregistrement) melange(signature.empreinte, ligne);
    }
    enregistreFabrique(OptionsDuJoueur::AI, precedente);
    return signature;
}
