#pragma once
// Telling the player that a print job could not start or was refused.

#include "app/prompts.h"
#include "output/print_canvas.h"

namespace orvane {

Prompt PrintingFailedPrompt(const std::string& reason);

// Begins the document; on failure tells the player why and returns false.
bool BeginDocumentOrReport(PrintCanvas& canvas, Prompts& prompts);
// Ends the document; tells the player when the printer refused the job.
void EndDocumentOrReport(PrintCanvas& canvas, Prompts& prompts);

} // namespace orvane
