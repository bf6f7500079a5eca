// The save-path seam over the real file dialog: what the player types comes back as a PDF path.
#include "common/file_dialog_save_path.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "support/when_file_dialog_opens.h"

namespace orvane::test {
namespace {

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
