#include "net/TamponDeReception.h"

#include "format/SpacesSeparatedString.h"
#include "platform/Exception.h"

void TamponDeReception::ajoute(const std::string& octets) { tampon_ += octets; }

std::optional<std::string> TamponDeReception::suivant() {
    if (tampon_.empty()) return std::nullopt;
    if (tampon_.front() != SpacesSeparatedString::STRING_START) rejette("a message starts with '{'");
    for (; analyse_ < tampon_.size(); ++analyse_) {
        const char octet = tampon_[analyse_];
        if (octet == SpacesSeparatedString::STRING_START) ++profondeur_;
        if (octet != SpacesSeparatedString::STRING_END) continue;
        if (--profondeur_ > 0) continue;
        std::string message = tampon_.substr(0, analyse_ + 1);
        tampon_.erase(0, analyse_ + 1);
        analyse_ = 0;
        profondeur_ = 0;
        return message;
    }
    if (tampon_.size() > TAILLE_MAXI) rejette("more than " + std::to_string(TAILLE_MAXI) + " bytes without a whole message");
    return std::nullopt;
}

void TamponDeReception::rejette(const std::string& raison) {
    tampon_.clear();
    analyse_ = 0;
    profondeur_ = 0;
    throw ErreurDeFormat(raison);
}
