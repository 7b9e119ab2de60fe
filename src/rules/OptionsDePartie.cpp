#include "rules/OptionsDePartie.h"

#include "platform/Assertion.h"
#include "platform/Exception.h"
#include "rules/TypeDePartiesPossibles.h"
#include "format/SpacesSeparatedString.h"

namespace {
bool estTypeChibre(std::int32_t valeur) {
    return valeur >= 0 && valeur < static_cast<std::int32_t>(TypeDePartiesPossibles::NB_TYPES);
}
bool estTypePartie(std::int32_t valeur) {
    return valeur == OptionsDePartie::Standard || valeur == OptionsDePartie::Concours;
}
bool estNiveau(std::int32_t valeur) {
    return valeur >= OptionsDePartie::NIVEAU_DEBUTANT && valeur <= OptionsDePartie::NIVEAU_MAITRE;
}
bool estConnection(std::int32_t valeur) {
    return valeur >= OptionsDePartie::Local && valeur <= OptionsDePartie::Inchangee;
}

std::int32_t litChamp(SpacesSeparatedString& lecteur, bool (*estValide)(std::int32_t), const char* nom) {
    const std::int32_t valeur = lecteur.getInt();
    if (!estValide(valeur))
        throw ErreurDeValeur(std::string("Game options: ") + nom + " " + std::to_string(valeur) + " is out of range");
    return valeur;
}
}  // namespace

const TypeDePartie& OptionsDePartie::getTypeDePartie() const {
    TW_ASSERT(isValid_, "OptionsDePartie");
    return TypeDePartiesPossibles::commune()[typeChibre_];
}

OptionsDePartie::TypePartie OptionsDePartie::getTypePartie() const {
    TW_ASSERT(isValid_, "OptionsDePartie");
    return typePartie_;
}

std::uint8_t OptionsDePartie::getNiveau() const {
    TW_ASSERT(isValid_, "OptionsDePartie");
    return niveau_;
}

void OptionsDePartie::setTypeChibre(int typeChibre) {
    TW_ASSERT(estTypeChibre(typeChibre), "OptionsDePartie");
    if (estTypeChibre(typeChibre)) typeChibre_ = static_cast<std::uint8_t>(typeChibre);
}

void OptionsDePartie::setTypePartie(TypePartie typePartie) {
    TW_ASSERT(estTypePartie(typePartie), "OptionsDePartie");
    if (estTypePartie(typePartie)) typePartie_ = typePartie;
}

void OptionsDePartie::setNiveau(int niveau) {
    TW_ASSERT(estNiveau(niveau), "OptionsDePartie");
    if (estNiveau(niveau)) niveau_ = static_cast<std::uint8_t>(niveau);
}

void OptionsDePartie::setConnection(Connection connection) {
    TW_ASSERT(estConnection(connection), "OptionsDePartie");
    if (estConnection(connection)) connection_ = connection;
}

void OptionsDePartie::load(const std::string& texte) {
    SpacesSeparatedString lecteur(texte);
    const std::int32_t typeChibre = litChamp(lecteur, estTypeChibre, "variant");
    const std::int32_t connection = litChamp(lecteur, estConnection, "connection");
    const std::int32_t typePartie = litChamp(lecteur, estTypePartie, "game type");
    const std::int32_t niveau = litChamp(lecteur, estNiveau, "level");
    typeChibre_ = static_cast<std::uint8_t>(typeChibre);
    connection_ = static_cast<Connection>(connection);
    typePartie_ = static_cast<TypePartie>(typePartie);
    niveau_ = static_cast<std::uint8_t>(niveau);
    isValid_ = true;
}

std::string OptionsDePartie::save() const {
    SpacesSeparatedString ecrivain;
    ecrivain.addInt(typeChibre_);
    ecrivain.addInt(connection_);
    ecrivain.addInt(typePartie_);
    ecrivain.addInt(niveau_);
    return ecrivain.toString();
}
