#include "output/print_failure.h"

namespace orvane {

Prompt PrintingFailedPrompt(const std::string& reason, BoardsPrinted printed) {
    const std::string what = printed.last < printed.first
                                 ? "Nothing was printed. "
                                 : "Only boards " + std::to_string(printed.first) + " to " +
                                       std::to_string(printed.last) + " were printed. ";
    return {what + reason, "Problem !!", PromptIcon::Exclamation, PromptButtons::Ok, false};
}

Prompt PrintingWaitsPrompt(const std::string& waiting) {
    return {waiting, "Problem !!", PromptIcon::Exclamation, PromptButtons::Ok, false};
}

bool BeginDocumentOrReport(PrintCanvas& canvas, Prompts& prompts, BoardsPrinted printed) {
    const PrintJobStatus start = canvas.beginDocument();
    if (!start.ok)
        prompts.ask(PrintingFailedPrompt(start.reason, printed));
    return start.ok;
}

bool EndDocumentOrReport(PrintCanvas& canvas, Prompts& prompts, BoardsPrinted printed) {
    const PrintJobStatus end = canvas.endDocument();
    if (!end.ok)
        prompts.ask(PrintingFailedPrompt(end.reason, printed));
    else if (!end.waiting.empty())
        prompts.ask(PrintingWaitsPrompt(end.waiting));
    return end.ok;
}

} // namespace orvane
