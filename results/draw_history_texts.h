#pragma once
// What the history window says of an import, in French as every message about reading and writing
// files: how many draws were added, already kept and refused, and why a line was refused.

#include "results/draw_history_import.h"
#include "results/draw_history_store.h"

#include <string>

namespace orvane {

// "3 tirages ajoutés, 1 déjà enregistré, 2 lignes refusées"; for a file that gave nothing, why:
// "Ce n'est pas un fichier de tirages : aucun tirage ajouté".
std::string ImportSummaryText(const DrawFileReading& reading, const DrawHistory::Added& added);

// "ligne 4 : le numéro 40 n'est pas entre 1 et 39".
std::string RefusedLineText(const RefusedDrawLine& refused);

// Closes a list of refused lines cut short: "et 100 autres lignes refusées".
std::string MoreRefusedText(int more);

// Said under the summary when the history file could not be written.
std::string NotSavedText();

} // namespace orvane
