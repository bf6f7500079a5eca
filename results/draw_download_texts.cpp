#include "results/draw_download_texts.h"

#include <cstdlib>

namespace orvane {

namespace {

std::string nothingAdded(const std::string& why, const std::string& detail) {
    return why + (detail.empty() ? "" : " (" + detail + ")") + " : aucun tirage ajout\u00E9";
}

std::string kilobytes(long long bytes) {
    return std::to_string((bytes + 1023) / 1024) + " Ko";
}

} // namespace

std::string DrawDownloadAddress() {
    if (const char* address = std::getenv("ORVANE_DRAWS_URL"); address && *address)
        return address;
    return ORVANE_DRAWS_URL;
}

std::string DownloadFailureText(const DownloadOutcome& outcome) {
    const std::string& detail = outcome.detail;
    switch (outcome.failure) {
    case DownloadFailure::None:
        return {};
    case DownloadFailure::NoConnection:
        return nothingAdded("Pas de connexion au site des tirages", detail);
    case DownloadFailure::TimedOut:
        return nothingAdded("Le site des tirages ne r\u00E9pond pas", detail);
    case DownloadFailure::HttpError:
        return nothingAdded("Le site des tirages a r\u00E9pondu par une erreur", detail);
    case DownloadFailure::TlsError:
        return nothingAdded(
            "La connexion s\u00E9curis\u00E9e au site des tirages a \u00E9chou\u00E9", detail);
    case DownloadFailure::WebPage:
        return nothingAdded("Le site a envoy\u00E9 une page web au lieu du fichier des tirages",
                            detail);
    case DownloadFailure::Truncated:
        return nothingAdded("Le t\u00E9l\u00E9chargement s'est arr\u00EAt\u00E9 avant la fin du "
                            "fichier",
                            detail);
    case DownloadFailure::TooLarge:
        return nothingAdded("Fichier t\u00E9l\u00E9charg\u00E9 trop grand", detail);
    case DownloadFailure::Cancelled:
        return nothingAdded("T\u00E9l\u00E9chargement annul\u00E9", detail);
    }
    return {};
}

std::string DownloadProgressText(long long received, long long total) {
    std::string text = "T\u00E9l\u00E9chargement des tirages : " + kilobytes(received);
    if (total > 0)
        text += " sur " + kilobytes(total);
    return text;
}

} // namespace orvane
