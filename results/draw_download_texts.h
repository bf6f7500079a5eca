#pragma once
// Why a download of the operator's draw file gave nothing, in French as every message about
// reading and writing files, and the address it is fetched from.

#include <string>

namespace orvane {

enum class DownloadFailure {
    None,
    NoConnection, // the site could not be reached: no network, no such host, refused
    TimedOut,     // nothing came for too long
    HttpError,    // the site answered with an error status
    TlsError,     // the secure connection failed: a certificate refused, a handshake that broke
    WebPage,      // the site answered with a web page (HTML) instead of the file
    Truncated,    // the connection closed before the whole file came
    TooLarge,     // past what a draw file can be
    Cancelled,    // the player pressed Cancel
};

struct DownloadOutcome {
    DownloadFailure failure = DownloadFailure::None;
    std::string detail; // the status, the system's reason, the host: said after the reason
    std::string bytes;  // the file, when it came whole
};

// The address of the operator's draw file: ORVANE_DRAWS_URL in the environment when set (the
// tests serve the file from a server of their own), else the address the program was built with.
std::string DrawDownloadAddress();

// "Pas de connexion au site des tirages (www.example.org) : aucun tirage ajouté".
std::string DownloadFailureText(const DownloadOutcome& outcome);

// While it runs: "Téléchargement des tirages : 12 Ko sur 180 Ko".
std::string DownloadProgressText(long long received, long long total);

} // namespace orvane
