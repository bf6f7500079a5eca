// The save-path seam over the real file dialog: what the player types comes back as a PDF path.
#include "common/file_dialog_save_path.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace orvane::test {
namespace {

// Runs `action` on the file dialog once it is open.
void WhenDialogOpens(std::function<void(QFileDialog&)> action, int attempts = 500) {
    QTimer::singleShot(0, [action, attempts] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))
            action(*dialog);
        else if (attempts > 0)
            WhenDialogOpens(action, attempts - 1);
    });
}

TEST(FileDialogSavePathTest, ANameTypedWithoutSuffixBecomesAPdfInTheFolderShown) {
    QTemporaryDir folder;
    FileDialogSavePath dialog;
    WhenDialogOpens([&folder](QFileDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Save the tickets as PDF"));
        EXPECT_EQ(d.acceptMode(), QFileDialog::AcceptSave);
        d.selectFile(QDir(folder.path()).filePath(QStringLiteral("week 12")));
        QMetaObject::invokeMethod(&d, "accept"); // as the Save button does
    });
    const std::optional<std::string> path =
        dialog.askPdfPath("Save the tickets as PDF", "tickets.pdf");
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(*path, QDir(folder.path()).filePath(QStringLiteral("week 12.pdf")).toStdString());

    // The next time it opens in the folder of the last save.
    WhenDialogOpens([&folder](QFileDialog& d) {
        EXPECT_EQ(QDir(d.directory()).canonicalPath(), QDir(folder.path()).canonicalPath());
        d.reject();
    });
    EXPECT_FALSE(dialog.askPdfPath("Save the tickets as PDF", "tickets.pdf").has_value());
}

} // namespace
} // namespace orvane::test
