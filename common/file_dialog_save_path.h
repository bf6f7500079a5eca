#pragma once
// The save-path seam over the platform's own file dialog.

#include "common/save_path_dialog.h"

#include <QString>

namespace orvane {

class FileDialogSavePath final : public SavePathDialog {
  public:
    std::optional<std::string> askPdfPath(const std::string& caption,
                                          const std::string& suggestedName) override;
    std::optional<std::string> askTextPath(const std::string& caption,
                                           const std::string& suggestedName) override;
    std::optional<std::string> askPngPath(const std::string& caption,
                                          const std::string& suggestedName) override;

  private:
    std::optional<std::string> askPath(const std::string& caption, const std::string& suggestedName,
                                       const QString& filter, const QString& suffix,
                                       const QString& dialogName);

    // The home folder at first; then the folder of the last save.
    QString m_lastFolder;
};

} // namespace orvane
