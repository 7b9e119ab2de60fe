#include "rules/CarteSet.h"

#include "rules/TablesDesCartes.h"

const Carte* CarteSet::trouve(int couleur, int position) const {
    if (!Carte::estCouleurValide(couleur) || !Carte::estPositionValide(position)) return nullptr;
    return parTag(Carte::tagDe(static_cast<Carte::Couleur>(couleur), static_cast<Carte::Position>(position)));
}

const Carte* CarteSet::parTag(unsigned tag) const {
    if (tag >= Carte::NB_CARTES || !(bits_ & (std::uint64_t{1} << tag))) return nullptr;
    return &Carte::parTag(tag);
}

CarteSet::const_iterator CarteSet::trouveParIdentifiant(const std::string& texte) const {
    for (auto it = begin(); it != end(); ++it)
        if (texte.find(it->getIdentifiant()) != std::string::npos) return it;
    return end();
}

const Carte* CarteSet::kieme(unsigned k) const {
    std::uint64_t reste = bits_;
    for (unsigned i = 0; i < k && reste; ++i) reste &= reste - 1;
    return reste ? &Carte::parTag(static_cast<unsigned>(std::countr_zero(reste))) : nullptr;
}

CarteSet CarteSet::deCouleur(int couleur) const { return CarteSet(bits_ & tables::masqueCouleur(couleur)); }
