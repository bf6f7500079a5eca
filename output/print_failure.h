#pragma once
// Telling the player that a print job could not start, was refused, or waits in the queue.

#include "common/prompts.h"
#include "output/print_canvas.h"

namespace orvane {

// The boards that earlier jobs of the same run have already handed to the printer; none when
// last < first.
struct BoardsPrinted {
    int first = 1;
    int last = 0;
};

// Says what did not print (everything, or all but `printed`) and why.
Prompt PrintingFailedPrompt(const std::string& reason, BoardsPrinted printed = {});

// Says that a job was taken but waits before printing, and why.
Prompt PrintingWaitsPrompt(const std::string& waiting);

// Begins the document; on failure tells the player why and returns false.
bool BeginDocumentOrReport(PrintCanvas& canvas, Prompts& prompts, BoardsPrinted printed = {});
// Ends the document; tells the player when the printer refused the job, and then returns false,
// or holds it.
bool EndDocumentOrReport(PrintCanvas& canvas, Prompts& prompts, BoardsPrinted printed = {});

} // namespace orvane
