#include "common/file_dialog_open_path.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

namespace orvane {

std::optional<std::string> FileDialogOpenPath::askFileToRead(const std::string& caption,
                                                             const std::string& nameFilter) {
    if (m_lastFolder.isEmpty())
        m_lastFolder = QDir::homePath();
    QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(caption), m_lastFolder);
    dialog.setObjectName(QStringLiteral("OpenFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QString::fromStdString(nameFilter), QStringLiteral("All files (*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString path = dialog.selectedFiles().constFirst();
    m_lastFolder = QFileInfo(path).absolutePath();
    return path.toStdString();
}

} // namespace orvane
