#include "common/file_dialog_paths.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

namespace orvane {

QString RememberedFolderDialog::folder() {
    if (m_lastFolder.isEmpty())
        m_lastFolder = QDir::homePath();
    return m_lastFolder;
}

std::optional<std::string> RememberedFolderDialog::choose(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString path = dialog.selectedFiles().constFirst();
    m_lastFolder = QFileInfo(path).absolutePath();
    return path.toStdString();
}

std::optional<std::string> FileDialogOpenPath::askFileToRead(const std::string& caption,
                                                             const std::string& nameFilter) {
    QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(caption), folder());
    dialog.setObjectName(QStringLiteral("OpenFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QString::fromStdString(nameFilter), QStringLiteral("All files (*)")});
    return choose(dialog);
}

std::optional<std::string> FileDialogSavePath::askPdfPath(const std::string& caption,
                                                          const std::string& suggestedName) {
    return askPath(caption, suggestedName, QStringLiteral("PDF documents (*.pdf)"),
                   QStringLiteral("pdf"), QStringLiteral("SavePdfDialog"));
}

std::optional<std::string> FileDialogSavePath::askTextPath(const std::string& caption,
                                                           const std::string& suggestedName) {
    return askPath(caption, suggestedName, QStringLiteral("Text files (*.txt)"),
                   QStringLiteral("txt"), QStringLiteral("SaveTextDialog"));
}

std::optional<std::string> FileDialogSavePath::askPngPath(const std::string& caption,
                                                          const std::string& suggestedName) {
    return askPath(caption, suggestedName, QStringLiteral("PNG pictures (*.png)"),
                   QStringLiteral("png"), QStringLiteral("SavePngDialog"));
}

std::optional<std::string> FileDialogSavePath::askPath(const std::string& caption,
                                                       const std::string& suggestedName,
                                                       const QString& filter, const QString& suffix,
                                                       const QString& dialogName) {
    QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(caption),
                       QDir(folder()).filePath(QString::fromStdString(suggestedName)), filter);
    dialog.setObjectName(dialogName);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The suffix is added before the dialog asks whether to replace an existing file.
    dialog.setDefaultSuffix(suffix);
    return choose(dialog);
}

} // namespace orvane
