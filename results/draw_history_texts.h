#pragma once
// What the history window says of an import, in French as every message about reading and writing
// files: how many draws were added, already kept and refused, and why a line was refused.

#include "results/draw_history.h"
#include "results/draw_history_import.h"

#include <string>

namespace orvane {

// "3 tirages ajoutés, 1 déjà enregistré, 2 lignes refusées"; for a file that gave nothing, why:
// "Ce n'est pas un fichier de tirages : aucun tirage ajouté".
std::string ImportSummaryText(const DrawFileReading& reading, const DrawHistory::Added& added);

// "ligne 4 : le numéro 40 n'est pas entre 1 et 39".
std::string RefusedLineText(const RefusedDrawLine& refused);

// Closes a list of refused lines cut short: "et 100 autres lignes refusées".
std::string MoreRefusedText(int more);

// Said once the text file of an earlier version is taken into the database: "Les 426 tirages de
// orvane-draws.txt ont été repris dans la base orvane.db, 3 lignes illisibles ; le fichier reste
// en place."
std::string EarlierFileTakenText(const std::string& fileName, int draws, int linesNotRead);

// After "Export draws": "4000 tirages exportés dans /home/ann/tirages.txt"; or why not.
std::string ExportedText(int draws, const std::string& path);
std::string ExportFailedText(const std::string& path);

} // namespace orvane
