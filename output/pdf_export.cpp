#include "output/pdf_export.h"

#include "common/atomic_file.h"
#include "output/deferred_print_canvas.h"
#include "output/pdf_file_messages.h"

namespace orvane {

bool SaveAsPdf(const std::string& path, Prompts& prompts,
               const std::function<void(PrintCanvas& canvas, Prompts& prompts)>& print) {
    // Qt writes the PDF as it goes: into a hidden temporary beside the player's file, as every
    // save, so a half-made document never takes the file's place and a save cut short leaves
    // nothing elsewhere (the next save in that folder removes it).
    FileReplacement scratch(path);
    if (scratch.path().empty()) {
        prompts.ask(PdfNotSavedPrompt(path, scratch.failure().failure));
        return false;
    }
    {
        DeferredPrintCanvas canvas(QString::fromStdString(scratch.path()));
        print(canvas, prompts);
    }
    if (scratch.size() == 0) {
        // Gone before the message shows, in case the program ends while it is open.
        scratch.discard();
        prompts.ask(PdfNotSavedPrompt(path, WriteFailure::None));
        return false;
    }
    const WriteResult written = scratch.commit();
    if (!written.ok()) {
        prompts.ask(PdfNotSavedPrompt(path, written.failure));
        return false;
    }
    return true;
}

} // namespace orvane
