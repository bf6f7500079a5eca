#pragma once
// Writing what would be printed into a PDF file instead, without any printer.

#include "common/prompts.h"
#include "output/print_canvas.h"

#include <functional>
#include <string>

namespace orvane {

// Draws a document with `print` on a PDF canvas whose page is the whole sheet, then puts the PDF
// at `path` in one step, so a file already there is replaced only by a complete document and is
// left as it was when `path` cannot be written; that is reported through `prompts`. Returns
// whether the file was written.
bool SaveAsPdf(const std::string& path, Prompts& prompts,
               const std::function<void(PrintCanvas& canvas, Prompts& prompts)>& print);

} // namespace orvane
