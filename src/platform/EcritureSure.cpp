#include "platform/EcritureSure.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "platform/TableDesTextes.h"

namespace fs = std::filesystem;

namespace {

// Texts of the string table used here.
enum IdTexte {
    ID_LECTURE_SEULE = 3614,
    ID_ACCES_REFUSE = 3615,
    ID_DISQUE_PLEIN = 3616,
    ID_DOSSIER_ABSENT = 3617,
    ID_EST_UN_DOSSIER = 3618,
};

std::string raison(int erreur) {
    switch (erreur) {
        case EROFS:
            return texte(ID_LECTURE_SEULE);
        case EACCES:
        case EPERM:
            return texte(ID_ACCES_REFUSE);
        case ENOSPC:
        case EDQUOT:
            return texte(ID_DISQUE_PLEIN);
        case ENOENT:
        case ENOTDIR:
            return texte(ID_DOSSIER_ABSENT);
        case EISDIR:
            return texte(ID_EST_UN_DOSSIER);
        default:
            return std::generic_category().message(erreur);
    }
}

[[noreturn]] void echoue(int erreur) { throw ErreurDEcriture(raison(erreur)); }

// The temporary file until it has taken the target's place: closed and removed on any failure.
class Temporaire {
public:
    explicit Temporaire(std::string modele) : chemin_(std::move(modele)) {
        descripteur_ = ::mkstemp(chemin_.data());
        if (descripteur_ < 0) echoue(errno);
    }
    ~Temporaire() {
        if (descripteur_ >= 0) ::close(descripteur_);
        if (!renomme_) ::unlink(chemin_.c_str());
    }
    Temporaire(const Temporaire&) = delete;
    Temporaire& operator=(const Temporaire&) = delete;

    void ecrit(const std::string& contenu) {
        for (std::size_t ecrit = 0; ecrit < contenu.size();) {
            const ssize_t n = ::write(descripteur_, contenu.data() + ecrit, contenu.size() - ecrit);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) echoue(errno);
            ecrit += static_cast<std::size_t>(n);
        }
    }
    void termine(mode_t mode) {
        if (::fchmod(descripteur_, mode) != 0 || ::fsync(descripteur_) != 0) echoue(errno);
        const int resultat = ::close(descripteur_);
        descripteur_ = -1;
        if (resultat != 0) echoue(errno);
    }
    void renommeEn(const fs::path& cible) {
        if (::rename(chemin_.c_str(), cible.c_str()) != 0) echoue(errno);
        renomme_ = true;
    }

private:
    std::string chemin_;
    int descripteur_ = -1;
    bool renomme_ = false;
};

mode_t modeDUnNouveauFichier() {
    const mode_t masque = ::umask(0);
    ::umask(masque);
    return 0666 & ~masque;
}

// The rename itself reaches the disk only with its folder.
void synchroniseDossier(const fs::path& dossier) {
    const int descripteur = ::open(dossier.c_str(), O_RDONLY | O_DIRECTORY);
    if (descripteur < 0) return;
    static_cast<void>(::fsync(descripteur));
    ::close(descripteur);
}

}  // namespace

void ecritFichierSurement(const std::string& chemin, const std::string& contenu) {
    fs::path cible = chemin;
    std::error_code erreur;
    if (fs::is_symlink(cible, erreur)) {
        const fs::path resolue = fs::weakly_canonical(cible, erreur);
        if (!erreur) cible = resolue;
    }
    mode_t mode = modeDUnNouveauFichier();
    struct stat etat {};
    if (::stat(cible.c_str(), &etat) == 0) {
        if (S_ISDIR(etat.st_mode)) echoue(EISDIR);
        // The owner may write into the folder and so rename over any file: the file's own
        // permission says whether he meant it to be kept as it is.
        if ((etat.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(cible.c_str(), W_OK) != 0)
            throw ErreurDEcriture(texte(ID_LECTURE_SEULE));
        mode = etat.st_mode & 07777;
    }
    const fs::path dossier = cible.has_parent_path() ? cible.parent_path() : fs::path(".");
    Temporaire temporaire((dossier / ("." + cible.filename().string() + ".XXXXXX")).string());
    temporaire.ecrit(contenu);
    temporaire.termine(mode);
    temporaire.renommeEn(cible);
    synchroniseDossier(dossier);
}
