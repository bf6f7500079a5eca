#include "common/file_dialog_save_path.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

namespace orvane {

std::optional<std::string> FileDialogSavePath::askPdfPath(const std::string& caption,
                                                          const std::string& suggestedName) {
    if (m_lastFolder.isEmpty())
        m_lastFolder = QDir::homePath();
    QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(caption),
                       QDir(m_lastFolder).filePath(QString::fromStdString(suggestedName)),
                       QStringLiteral("PDF documents (*.pdf)"));
    dialog.setObjectName(QStringLiteral("SavePdfDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The suffix is added before the dialog asks whether to replace an existing file.
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString path = dialog.selectedFiles().constFirst();
    m_lastFolder = QFileInfo(path).absolutePath();
    return path.toStdString();
}

} // namespace orvane
