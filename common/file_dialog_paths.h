#pragma once
// The open-path and save-path seams over the platform's own file dialog.

#include "common/open_path_dialog.h"
#include "common/save_path_dialog.h"

#include <QString>

class QFileDialog;

namespace orvane {

// What both ask with: a file dialog opened first in the home folder, then in the folder of the
// file last chosen through it.
class RememberedFolderDialog {
  protected:
    QString folder();
    // Shows `dialog` and hands back the file chosen, remembering its folder; nothing when the
    // player cancels.
    std::optional<std::string> choose(QFileDialog& dialog);

  private:
    QString m_lastFolder;
};

class FileDialogOpenPath final : public OpenPathDialog, private RememberedFolderDialog {
  public:
    std::optional<std::string> askFileToRead(const std::string& caption,
                                             const std::string& nameFilter) override;
};

class FileDialogSavePath final : public SavePathDialog, private RememberedFolderDialog {
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
};

} // namespace orvane
