#include "output/pdf_export.h"

#include "common/atomic_file.h"
#include "output/pdf_file_messages.h"
#include "output/deferred_print_canvas.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

namespace orvane {

bool SaveAsPdf(const std::string& path, Prompts& prompts,
               const std::function<void(PrintCanvas& canvas, Prompts& prompts)>& print) {
    // Drawn into a private folder first: Qt writes the PDF as it goes, and a half-made document
    // must never take the place of the player's file.
    QTemporaryDir scratch;
    QByteArray pdf;
    if (scratch.isValid()) {
        const QString drawn = scratch.filePath(QStringLiteral("document.pdf"));
        {
            DeferredPrintCanvas canvas(drawn);
            print(canvas, prompts);
        }
        QFile file(drawn);
        if (file.open(QIODevice::ReadOnly))
            pdf = file.readAll();
    }
    if (pdf.isEmpty()) {
        prompts.ask(PdfNotSavedPrompt(path, WriteFailure::None));
        return false;
    }
    const WriteResult written =
        WriteFileAtomically(path, reinterpret_cast<const std::uint8_t*>(pdf.constData()),
                            static_cast<std::size_t>(pdf.size()));
    if (!written.ok()) {
        prompts.ask(PdfNotSavedPrompt(path, written.failure));
        return false;
    }
    return true;
}

} // namespace orvane
