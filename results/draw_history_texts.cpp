#include "results/draw_history_texts.h"

namespace orvane {

namespace {

// French puts 0 and 1 in the singular.
std::string counted(int count, const char* singular, const char* plural) {
    return std::to_string(count) + " " + (count > 1 ? plural : singular);
}

std::string nothingAdded(const char* why) {
    return std::string(why) + " : aucun tirage ajout\u00E9";
}

} // namespace

std::string ImportSummaryText(const DrawFileReading& reading, const DrawHistory::Added& added) {
    switch (reading.problem) {
    case DrawFileProblem::None:
        break;
    case DrawFileProblem::Unreadable:
        return nothingAdded("Erreur \u00E0 la lecture du fichier");
    case DrawFileProblem::Empty:
        return nothingAdded("Le fichier est vide");
    case DrawFileProblem::TooLarge:
        return nothingAdded("Fichier trop grand");
    case DrawFileProblem::NotDrawFile:
        return nothingAdded("Ce n'est pas un fichier de tirages");
    case DrawFileProblem::OtherGame:
        return nothingAdded("Ce sont les tirages d'un autre jeu que le Thunderball");
    }
    return counted(added.added, "tirage ajout\u00E9", "tirages ajout\u00E9s") + ", " +
           counted(added.alreadyThere, "d\u00E9j\u00E0 enregistr\u00E9",
                   "d\u00E9j\u00E0 enregistr\u00E9s") +
           ", " +
           counted(static_cast<int>(reading.refused.size()), "ligne refus\u00E9e",
                   "lignes refus\u00E9es");
}

std::string RefusedLineText(const RefusedDrawLine& refused) {
    return "ligne " + std::to_string(refused.line) + " : " + refused.reason;
}

std::string MoreRefusedText(int more) {
    return "et " + counted(more, "autre ligne refus\u00E9e", "autres lignes refus\u00E9es");
}

std::string EarlierFileTakenText(const std::string& fileName, int draws, int linesNotRead) {
    std::string text = draws == 0   ? "Aucun tirage de " + fileName + " n'a \u00E9t\u00E9 repris"
                       : draws == 1 ? "Le tirage de " + fileName + " a \u00E9t\u00E9 repris"
                                    : "Les " + std::to_string(draws) + " tirages de " + fileName +
                                          " ont \u00E9t\u00E9 repris";
    text += " dans la base orvane.db";
    if (linesNotRead > 0)
        text += ", " + counted(linesNotRead, "ligne illisible", "lignes illisibles");
    return text + " ; le fichier reste en place.";
}

std::string ExportedText(int draws, const std::string& path) {
    return counted(draws, "tirage export\u00E9", "tirages export\u00E9s") + " dans " + path;
}

std::string ExportFailedText(const std::string& path) {
    return "Le fichier " + path + " n'a pas pu \u00EAtre \u00E9crit : aucun tirage export\u00E9";
}

} // namespace orvane
