// The open-path and save-path seams over the real file dialog: the file the player picks, or the
// name typed, comes back as its path, and each opens next in the folder of the last file chosen.
#include "common/file_dialog_paths.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/when_file_dialog_opens.h"

namespace orvane::test {
namespace {

TEST(FileDialogOpenPathTest, TheFilePickedComesBackAndTheNextOpeningStartsInItsFolder) {
    QTemporaryDir folder;
    const QString draws = QDir(folder.path()).filePath(QStringLiteral("thunderball-draws.csv"));
    {
        QFile file(draws);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("DrawDate,Ball 1\n");
    }
    FileDialogOpenPath dialog;
    WhenDialogOpens([&](QFileDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Import draws"));
        EXPECT_EQ(d.acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(d.fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(d.nameFilters(), (QStringList{QStringLiteral("Draw files (*.csv *.txt)"),
                                                QStringLiteral("All files (*)")}));
        d.selectFile(draws);
        QMetaObject::invokeMethod(&d, "accept"); // as the Open button does
    });
    const std::optional<std::string> path =
        dialog.askFileToRead("Import draws", "Draw files (*.csv *.txt)");
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(*path, draws.toStdString());

    WhenDialogOpens([&folder](QFileDialog& d) {
        EXPECT_EQ(QDir(d.directory()).canonicalPath(), QDir(folder.path()).canonicalPath());
        d.reject();
    });
    EXPECT_FALSE(dialog.askFileToRead("Import draws", "Draw files (*.csv *.txt)").has_value());
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
