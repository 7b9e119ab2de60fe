#include "events/EvenementDeJeu.h"

#include <utility>

#include "platform/Assertion.h"
#include "platform/TableDesTextes.h"
#include "rules/OptionsDuJoueur.h"
#include "rules/Annonces.h"
#include "rules/Carte.h"
#include "rules/StatusAtout.h"
#include "format/SpacesSeparatedString.h"
#include "events/VerificationEvenement.h"

namespace {

// Texts of the string table used here.
enum IdTexte {
    ID_TITRE_VERSION = 2,
    ID_CHIBRE = 1024,
    ID_VERSION_INCOMPATIBLE = 2831,
};


constexpr char SEPARATEUR_DE_CARTE = '.';

// Several events written one after another read, inside the braces of the first and last, as the
// four fields of the first followed by "}{" and the others; what follows the closing brace of the
// first event is the rest.
std::string resteApres(const std::string& nonLu) {
    if (nonLu.empty()) return {};
    if (nonLu.front() != SpacesSeparatedString::STRING_END) throw ErreurDeFormat("an event has exactly four fields");
    return nonLu.substr(1) + SpacesSeparatedString::STRING_END;
}

std::string sansPremieresAccolades(std::string texte) {
    if (const auto debut = texte.find(SpacesSeparatedString::STRING_START); debut != std::string::npos)
        texte.erase(debut, 1);
    if (const auto fin = texte.find(SpacesSeparatedString::STRING_END); fin != std::string::npos) texte.erase(fin, 1);
    return texte;
}

std::string descriptionDuChoixAtout(const std::string& donnees) {
    StatusAtout statusAtout;
    statusAtout.load(donnees);
    if (statusAtout.estChoisi) return nomAtout(statusAtout.atout);
    TW_ASSERT(statusAtout.estChibre, "EvenementDeJeu");
    return texte(ID_CHIBRE);
}

}  // namespace

EvenementDeJeu::EvenementDeJeu(TypeEvenement type, std::string donnees, Intervenant intervenant,
                               std::int32_t noEvenement)
    : type_(type), donnees_(std::move(donnees)), intervenant_(intervenant), noEvenement_(noEvenement) {}

EvenementDeJeu::EvenementDeJeu(const std::string& enregistrement) { load(enregistrement); }

EvenementDeJeu::EvenementDeJeu(const std::string& enregistrements, std::string& reste) {
    reste = decode(enregistrements);
}

void EvenementDeJeu::load(const std::string& enregistrement) {
    EvenementDeJeu lu(*this);
    if (!lu.decode(enregistrement).empty()) throw ErreurDeFormat("Invalid game event: text follows the event");
    *this = std::move(lu);
}

std::string EvenementDeJeu::decode(const std::string& enregistrements) {
    try {
        SpacesSeparatedString lecteur(enregistrements);
        const auto type = typeEvenementDuNom(lecteur.getString());
        if (!type) throw ErreurVersionIncompatible(texte(ID_VERSION_INCOMPATIBLE) + texte(ID_TITRE_VERSION));
        std::string donnees = lecteur.getString();
        const std::int32_t intervenant = lecteur.getInt();
        const std::int32_t numero = lecteur.getInt();
        if (intervenant < Joueur0 || intervenant > Table)
            throw ErreurDeValeur("actor " + std::to_string(intervenant) + " is outside 0 to 4");
        if (numero < 0 || numero > NumeroInscription)
            throw ErreurDeValeur("number " + std::to_string(numero) + " is outside 0 to 100");
        EvenementDeJeu lu(*type, std::move(donnees), static_cast<Intervenant>(intervenant), numero);
        verifieEvenement(lu);
        std::string reste = resteApres(lecteur.reste());
        *this = std::move(lu);
        return reste;
    } catch (const ErreurVersionIncompatible&) {
        throw;
    } catch (const ErreurDeValeur& erreur) {
        throw ErreurDeValeur(std::string("Invalid game event: ") + erreur.what());
    } catch (const Exception& erreur) {
        throw ErreurDeFormat(std::string("Invalid game event: ") + erreur.what());
    }
}

std::string EvenementDeJeu::save() const {
    SpacesSeparatedString ecrivain;
    ecrivain.addString(nomTypeEvenement(type_));
    ecrivain.addString(donnees_);
    ecrivain.addInt(intervenant_);
    ecrivain.addInt(noEvenement_);
    return ecrivain.toString();
}

int EvenementDeJeu::getNoJoueur() const {
    TW_ASSERT(intervenant_ < Table && intervenant_ >= Joueur0, "EvenementDeJeu");
    return intervenant_;
}

std::string EvenementDeJeu::description() const {
    switch (type_) {
        case TypeEvenement::ChoisitAtout:
            return descriptionDuChoixAtout(donnees_);
        case TypeEvenement::InscriptionJoueur: {
            OptionsDuJoueur options;
            options.load(donnees_);
            return options.nom();
        }
        case TypeEvenement::InscriptionTypeDePartie:
        case TypeEvenement::EnregistrementSettingsPartie:
            return {};
        case TypeEvenement::AjouteCarte: {
            const auto point = donnees_.find(SEPARATEUR_DE_CARTE);
            return point == std::string::npos ? donnees_ : donnees_.substr(point + 1);
        }
        case TypeEvenement::Annonce:
            return Annonces(donnees_).getAnnoncePrincipale().getNomType();
        default:
            return sansPremieresAccolades(donnees_);
    }
}

std::string EvenementDeJeu::parametreDeCarte(const Carte& carte) {
    return carte.getIdentifiant() + SEPARATEUR_DE_CARTE + carte.getNom();
}

const Carte* EvenementDeJeu::carteDuParametre(const std::string& donnees) {
    const std::string identifiant = donnees.substr(0, donnees.find(SEPARATEUR_DE_CARTE));
    for (unsigned tag = 0; tag < Carte::NB_CARTES; ++tag)
        if (Carte::parTag(tag).getIdentifiant() == identifiant) return &Carte::parTag(tag);
    return nullptr;
}
