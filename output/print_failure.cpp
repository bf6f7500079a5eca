#include "output/print_failure.h"

namespace orvane {

Prompt PrintingFailedPrompt(const std::string& reason) {
    return {"Nothing was printed. " + reason, "Problem !!", PromptIcon::Exclamation,
            PromptButtons::Ok, false};
}

bool BeginDocumentOrReport(PrintCanvas& canvas, Prompts& prompts) {
    const PrintJobStatus start = canvas.beginDocument();
    if (!start.ok)
        prompts.ask(PrintingFailedPrompt(start.reason));
    return start.ok;
}

void EndDocumentOrReport(PrintCanvas& canvas, Prompts& prompts) {
    const PrintJobStatus end = canvas.endDocument();
    if (!end.ok)
        prompts.ask(PrintingFailedPrompt(end.reason));
}

} // namespace orvane
