#pragma once
// Writing what would be printed into a PDF file instead, without any printer.

#include "common/prompts.h"
#include "output/print_canvas.h"

#include <functional>
#include <string>

namespace orvane {

// Draws a document with `print` on a PDF canvas whose page is the whole sheet, writing it into a
// hidden temporary beside `path`, then puts it at `path` in one step, so a file already there is
// replaced only by a complete document and is left as it was when `path` cannot be written; that
// is reported through `prompts`, once the temporary is gone. Returns whether the file was written.
bool SaveAsPdf(const std::string& path, Prompts& prompts,
               const std::function<void(PrintCanvas& canvas, Prompts& prompts)>& print);

} // namespace orvane
