#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>
#include <array>
#include <cstdint>

#include "rules/Carte.h"

// The card styles, each a folder of pictures below Cartes/.
enum class StyleCartes : std::uint8_t { Francaises = 0, SuisseAllemandes = 1, Fun = 2, XXX = 3 };

// The pictures of the cards and of the trump buttons in the style in use. At the classic size
// they are read from the style's folder ("4_14.bmp" for the Ace of Coeur, "back.bmp",
// "5_btn.bmp"); at any other scale of the table they are drawn at the shown size by the same
// drawings the folder's files were made with, so a larger table shows sharper cards, never a
// stretched bitmap. A file that cannot be read is drawn in its place, so the game stays playable.
class ImagesCartes {
public:
    static constexpr int NB_MODES = 7;

    static ImagesCartes& instance();

    StyleCartes style() const { return style_; }
    // Reloads every picture from the folder of the style.
    void setStyle(StyleCartes style);
    // "<data>/Cartes/Ger/"; a value outside the four styles names Cartes/ itself.
    static QString dossier(StyleCartes style);

    // At the classic size of 71 x 96 times echelle.
    const QPixmap& face(const Carte& carte, double echelle = 1.0);
    const QPixmap& dos(double echelle = 1.0);
    // The glyph of a trump mode's button (1 to 7), 17 x 17 times echelle.
    const QPixmap& glypheAtout(int mode, double echelle = 1.0);

    // Whether the pictures of the classic size came from their files (false: drawn in their place).
    bool imagesTrouvees() const { return trouvees_; }

private:
    enum Sorte { Face, Dos, Glyphe };

    ImagesCartes() = default;
    void charge();
    QPixmap lit(const QString& fichier, Sorte sorte, int numero);
    const QPixmap& dessinee(Sorte sorte, int numero, double echelle);

    StyleCartes style_ = StyleCartes::Francaises;
    std::array<QPixmap, Carte::NB_CARTES> faces_;
    QPixmap dos_;
    std::array<QPixmap, NB_MODES + 1> glyphes_;
    bool charge_ = false;
    bool trouvees_ = true;
    // The pictures drawn at the one scale the table is shown at, by kind and number.
    double echelleDessinee_ = 0;
    QHash<int, QPixmap> dessinees_;
};
