#pragma once

#include <QPixmap>
#include <QString>
#include <array>
#include <cstdint>

#include "rules/Carte.h"

// The card styles, each a folder of pictures below Cartes/.
enum class StyleCartes : std::uint8_t { Francaises = 0, SuisseAllemandes = 1, Fun = 2, XXX = 3 };

// The pictures of the cards and of the trump buttons in the style in use, read from the style's
// folder ("4_14.bmp" for the Ace of Coeur, "back.bmp", "5_btn.bmp"). A picture that cannot be
// read is drawn plainly instead, so the game stays playable without its picture files.
class ImagesCartes {
public:
    static constexpr int NB_MODES = 7;

    static ImagesCartes& instance();

    StyleCartes style() const { return style_; }
    // Reloads every picture from the folder of the style.
    void setStyle(StyleCartes style);
    // "<data>/Cartes/Ger/"; a value outside the four styles names Cartes/ itself.
    static QString dossier(StyleCartes style);

    // Each at the shown size of 71 x 96.
    const QPixmap& face(const Carte& carte);
    const QPixmap& dos();
    // The glyph of a trump mode's button (1 to 7).
    const QPixmap& glypheAtout(int mode);

    // Whether the pictures came from their files (false: drawn in their place).
    bool imagesTrouvees() const { return trouvees_; }

private:
    ImagesCartes();
    void charge();
    QPixmap lit(const QString& fichier, const std::function<QPixmap()>& remplacement);

    StyleCartes style_ = StyleCartes::Francaises;
    std::array<QPixmap, Carte::NB_CARTES> faces_;
    QPixmap dos_;
    std::array<QPixmap, NB_MODES + 1> glyphes_;
    bool charge_ = false;
    bool trouvees_ = true;
};
