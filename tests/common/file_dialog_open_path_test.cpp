// The open-path seam over the real file dialog: the file the player picks comes back as its path.
#include "common/file_dialog_open_path.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
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

} // namespace
} // namespace orvane::test
