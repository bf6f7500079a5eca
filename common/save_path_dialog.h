#pragma once
// Asking the player where to save a file, behind one seam so tests can answer.

#include <optional>
#include <string>

namespace orvane {

class SavePathDialog {
  public:
    virtual ~SavePathDialog() = default;
    // Asks for a file to save a PDF document in, suggesting `suggestedName`; nothing when the
    // player cancels. A name typed without ".pdf" gets it.
    virtual std::optional<std::string> askPdfPath(const std::string& caption,
                                                  const std::string& suggestedName) = 0;
    // The same for a plain text file: a name typed without ".txt" gets it.
    virtual std::optional<std::string> askTextPath(const std::string& caption,
                                                   const std::string& suggestedName) = 0;
    // The same for a PNG picture: a name typed without ".png" gets it.
    virtual std::optional<std::string> askPngPath(const std::string& caption,
                                                  const std::string& suggestedName) = 0;
};

} // namespace orvane
