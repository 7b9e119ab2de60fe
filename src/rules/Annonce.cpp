#include "rules/Annonce.h"

#include "platform/Assertion.h"
#include "platform/Exception.h"
#include "platform/TableDesTextes.h"
#include "format/SpacesSeparatedString.h"

namespace {

// Texts of the string table used here.
enum IdTexte {
    ID_STATUS_INVALIDE = 1,
};

constexpr int ID_NOM_PAS_D_ANNONCE = 4096;

std::int32_t pointsDuCarre(int position) {
    switch (position) {
        case Carte::Neuf:
            return 150;
        case Carte::Valet:
            return 200;
        case Carte::Dix:
        case Carte::Dame:
        case Carte::Roi:
        case Carte::As:
            return 100;
        default:
            return 0;
    }
}

// The meld that the four fields describe, or nothing when this program could never have found it.
bool estCoherente(std::int32_t type, std::int32_t couleur, std::int32_t position, std::int32_t points) {
    switch (type) {
        case Annonce::PasDAnnonce:
            return points == 0;
        case Annonce::Carre:
            return couleur == Carte::Coeur && pointsDuCarre(position) > 0 && points == pointsDuCarre(position);
        case Annonce::TroisCartes:
        case Annonce::QuatreCartes:
        case Annonce::CinqCartes: {
            const int longueur = type + 2;
            if (!Carte::estCouleurValide(couleur) || !Carte::estPositionValide(position)) return false;
            if (position - (longueur - 1) < Carte::Six) return false;
            const Annonce attendue =
                Annonce::suite(longueur, static_cast<Carte::Couleur>(couleur), static_cast<Carte::Position>(position));
            return points == attendue.points;
        }
        default:
            return false;
    }
}
}  // namespace

Annonce Annonce::suite(int longueur, Carte::Couleur couleur, Carte::Position position) {
    if (longueur < 3) return {};
    if (longueur == 3) return {TroisCartes, couleur, position, 20};
    if (longueur == 4) return {QuatreCartes, couleur, position, 50};
    return {CinqCartes, couleur, position, 100};
}

Annonce Annonce::carre(Carte::Position position) {
    const std::int32_t valeur = pointsDuCarre(position);
    if (valeur == 0) return {};
    return {Carre, Carte::Coeur, position, valeur};
}

int Annonce::getNbCartes() const {
    switch (type) {
        case TroisCartes:
            return 3;
        case QuatreCartes:
        case Carre:
            return 4;
        case CinqCartes:
            return 5;
        default:
            return 0;
    }
}

bool Annonce::getCarte(int posInAnnonce, Carte::Couleur& coul, Carte::Position& pos) const {
    const int nbCartesDsAnnonce = getNbCartes();
    TW_ASSERT(posInAnnonce < nbCartesDsAnnonce, "Annonce");
    if (posInAnnonce < 0 || posInAnnonce >= nbCartesDsAnnonce) return false;
    if (type == Carre) {
        coul = static_cast<Carte::Couleur>(Carte::Trefle + posInAnnonce);
        pos = position;
        TW_ASSERT(coul >= Carte::Trefle && coul <= Carte::Coeur, "Annonce");
        return true;
    }
    coul = couleur;
    const int rang = position - posInAnnonce;
    pos = static_cast<Carte::Position>(rang >= Carte::Six ? rang : Carte::PasDePosition);
    TW_ASSERT(pos >= Carte::Six, "Annonce");
    return pos >= Carte::Six;
}

std::string Annonce::getNomType() const {
    return type <= Carre ? texte(ID_NOM_PAS_D_ANNONCE + type) : texte(ID_STATUS_INVALIDE);
}

std::string Annonce::save() const {
    SpacesSeparatedString ecrivain;
    ecrivain.addInt(type);
    ecrivain.addInt(couleur);
    ecrivain.addInt(position);
    ecrivain.addInt(points);
    return ecrivain.toString();
}

void Annonce::load(const std::string& texte) {
    SpacesSeparatedString lecteur(texte);
    const std::int32_t typeLu = lecteur.getInt();
    const std::int32_t couleurLue = lecteur.getInt();
    const std::int32_t positionLue = lecteur.getInt();
    const std::int32_t pointsLus = lecteur.getInt();
    if (!estCoherente(typeLu, couleurLue, positionLue, pointsLus)) throw ErreurDeFormat("Invalid meld");
    if (typeLu == PasDAnnonce) {
        *this = Annonce();
        return;
    }
    *this = {static_cast<Type>(typeLu), static_cast<Carte::Couleur>(couleurLue),
             static_cast<Carte::Position>(positionLue), pointsLus};
}
