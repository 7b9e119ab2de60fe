#include "rules/OptionsDuJoueur.h"

#include <cstdlib>
#include <ctime>
#include <utility>

#include "platform/Exception.h"
#include "platform/Plateforme.h"
#include "platform/TableDesTextes.h"
#include "format/SpacesSeparatedString.h"

namespace {

// Texts of the string table used here.
enum IdTexte {
    ID_SUFFIXE_VOUS = 2048,
    ID_SUFFIXE_AUTRE_JOUEUR = 2049,
    ID_SUFFIXE_ORDINATEUR = 2050,
    ID_VOUS = 2060,
};


// Drawn from the clock in seconds, as the records always were; the program's own number keeps two
// programs started in the same second from drawing the same identifier, by which each of their
// tables would take the other's seat for its own.
std::int32_t tireIdentifiant() {
    std::tm heure = Plateforme::courante().heureLocale();
    std::srand(static_cast<unsigned>(timegm(&heure)) ^ Plateforme::courante().graineDuProcessus());
    return std::rand() % 32768;
}

std::int32_t litDansIntervalle(SpacesSeparatedString& lecteur, const char* champ, std::int32_t maximum) {
    const std::int32_t valeur = lecteur.getInt();
    if (valeur < 0 || valeur > maximum)
        throw ErreurDeValeur("Player record: " + std::string(champ) + " " + std::to_string(valeur) +
                             " is outside 0 to " + std::to_string(maximum));
    return valeur;
}

}  // namespace

OptionsDuJoueur::OptionsDuJoueur() : nom_(nomPropre(Plateforme::courante().nomDUtilisateur())) {}

OptionsDuJoueur::OptionsDuJoueur(std::string nom, bool departAtoutPlusHaut, std::uint8_t appels, bool distant,
                                 Race race, std::uint8_t niveau)
    : departAtoutPlusHaut_(departAtoutPlusHaut),
      appels_(appels),
      nom_(nomPropre(nom)),
      distant_(distant ? 1 : 0),
      race_(race),
      niveau_(niveau),
      identifiant_(tireIdentifiant()) {}

void OptionsDuJoueur::load(const std::string& texte) {
    SpacesSeparatedString lecteur(texte);
    OptionsDuJoueur lu(*this);
    lu.departAtoutPlusHaut_ = lecteur.getInt() != 0;
    lu.appels_ = static_cast<std::uint8_t>(litDansIntervalle(lecteur, "calls", APPELS_MAX));
    lu.nom_ = nomPropre(lecteur.getString());
    // Every record this program writes is valid; one that says otherwise holds no usable values.
    if (lecteur.getInt() == 0) throw ErreurDeFormat("Player record marked as not valid");
    lu.distant_ = static_cast<std::uint8_t>(litDansIntervalle(lecteur, "remote flag", 1));
    lu.race_ = static_cast<Race>(litDansIntervalle(lecteur, "race", AI));
    lu.niveau_ = static_cast<std::uint8_t>(
        litDansIntervalle(lecteur, lu.race_ == AI ? "level" : "level of a race other than 5", lu.race_ == AI ? NIVEAU_MAITRE : NIVEAU_MAX));
    lu.identifiant_ = lecteur.getInt();
    *this = std::move(lu);
}

std::string OptionsDuJoueur::save() const {
    SpacesSeparatedString ecrivain;
    ecrivain.addInt(departAtoutPlusHaut_ ? 1 : 0);
    ecrivain.addInt(appels_);
    ecrivain.addString(nom_);
    ecrivain.addInt(1);
    ecrivain.addInt(distant_);
    ecrivain.addInt(race_);
    ecrivain.addInt(niveau_);
    ecrivain.addInt(identifiant_);
    return ecrivain.toString();
}

std::string OptionsDuJoueur::nom() const {
    if (race_ != Humain) return distant_ == 0 ? nom_ : nom_ + texte(ID_SUFFIXE_ORDINATEUR);
    if (distant_ != 0) return nom_ + texte(ID_SUFFIXE_AUTRE_JOUEUR);
    return nom_.empty() ? texte(ID_VOUS) : nom_ + texte(ID_SUFFIXE_VOUS);
}

void OptionsDuJoueur::basculeDistant(std::int32_t identifiant) {
    if (distant_ == 0)
        distant_ = 1;
    else if (identifiant == identifiant_)
        distant_ = 0;
}

void OptionsDuJoueur::rendLocal() {
    if (distant_ == 0) return;
    distant_ = 0;
    if (race_ == Humain) race_ = AI;
}

std::string OptionsDuJoueur::nomPropre(const std::string& nom) {
    std::string propre;
    for (const char c : SpacesSeparatedString::champEncodable(nom.substr(0, 4 * NOM_LONGUEUR_MAX))) {
        const auto octet = static_cast<unsigned char>(c);
        const bool controle = octet < 0x20 || octet == 0x7F;
        if (controle && (propre.empty() || propre.back() == ' ')) continue;
        propre += controle ? ' ' : c;
    }
    // Cut first, then trim: a cut that ends on a space would leave a name that the next reading
    // trims, and the record would change each time it is read and written again.
    if (propre.size() > NOM_LONGUEUR_MAX) propre.resize(NOM_LONGUEUR_MAX);
    while (!propre.empty() && propre.back() == ' ') propre.pop_back();
    return propre;
}
