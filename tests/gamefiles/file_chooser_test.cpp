#include "gamefiles/file_chooser.h"

#include "common/gradient_backdrop.h"
#include "support/program_fixture.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QTest>
#include <QTreeView>

namespace orvane::test {
namespace {

class FileChooserTest : public ProgramFixture {
  protected:
    void SetUp() override {
        startProgram();
        ASSERT_TRUE(m_games.isValid());
        touch(QStringLiteral("b-game"));
        touch(QStringLiteral("A-game"));
        touch(QStringLiteral(".hidden"));
        QDir(games()).mkdir(QStringLiteral("sub"));
        touch(QStringLiteral("sub/inner"));
        chooser().openFolder(games());
    }

    FileChooser& chooser() { return *windows().fileChooser; }
    QString games() const { return m_games.path(); }
    void touch(const QString& name) {
        QFile file(QDir(games()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QLineEdit* nameField() { return chooser().findChild<QLineEdit*>(QStringLiteral("Edit1")); }
    QListWidget* fileList() {
        return chooser().findChild<QListWidget*>(QStringLiteral("FileListBox1"));
    }
    QStringList listed() {
        QStringList names;
        for (int i = 0; i < fileList()->count(); ++i)
            names << fileList()->item(i)->text();
        return names;
    }
    static void press(QWidget* window, const char* button) {
        QTest::mouseClick(window->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    }
    void pickInList(const QString& name) {
        const QList<QListWidgetItem*> items = fileList()->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1);
        QTest::mouseClick(fileList()->viewport(), Qt::LeftButton, {},
                          fileList()->visualItemRect(items.first()).center());
    }
    // Shows the chooser as the game file operations do, running `inside` while it is open.
    void showAs(bool readOnly, std::function<void(QWidget*)> inside) {
        chooser().setCaption("Select the file to load");
        chooser().setNameReadOnly(readOnly);
        chooser().setNameText("*");
        whenModal(std::move(inside));
        chooser().showModal();
    }

    QTreeView* folderList() {
        return chooser().findChild<QTreeView*>(QStringLiteral("DirectoryListBox1"));
    }
    // Opens the subfolder `name` of the current folder as the player does, by its line in the
    // folder list and Enter, once the list has read it.
    void openSubfolderLine(const QString& name) {
        QTreeView* tree = folderList();
        QModelIndex line;
        const bool found = QTest::qWaitFor([&] {
            const QModelIndex current = tree->currentIndex();
            for (int row = 0; row < tree->model()->rowCount(current); ++row) {
                const QModelIndex sub = tree->model()->index(row, 0, current);
                if (sub.data().toString() == name) {
                    line = sub;
                    return true;
                }
            }
            return false;
        });
        ASSERT_TRUE(found) << "no line " << name.toStdString() << " below "
                           << chooser().currentFolder().toStdString();
        tree->setCurrentIndex(line);
        QTest::keyClick(tree, Qt::Key_Return);
    }
    // The lines of the folder list from its top line down to the current one, joined by "|".
    std::string chainShown() {
        QStringList chain;
        for (QModelIndex up = folderList()->currentIndex();
             up.isValid() && up != folderList()->rootIndex(); up = up.parent())
            chain.prepend(up.data().toString());
        return chain.join(QLatin1Char('|')).toStdString();
    }

  private:
    QTemporaryDir m_games;
};

// A folder of its own file system below the root, preferably /dev/shm, which every Linux has.
QString MountPointBelowTheRoot() {
    QStringList candidates{QStringLiteral("/dev/shm")};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        candidates << volume.rootPath();
    for (const QString& path : candidates) {
        const QFileInfo folder(path);
        if (path != QStringLiteral("/") && folder.isDir() && folder.isReadable() &&
            folder.isExecutable() && QStorageInfo(path).rootPath() == path)
            return path;
    }
    return {};
}

TEST_F(FileChooserTest, IsTheDesignedWindowWithoutBackdrop) {
    EXPECT_EQ(chooser().objectName(), QStringLiteral("TForm6"));
    EXPECT_EQ(chooser().size(), QSize(399, 253));
    EXPECT_EQ(chooser().findChild<GradientBackdrop*>(), nullptr);
    EXPECT_EQ(chooser().findChild<QPushButton*>(QStringLiteral("boutok"))->text(),
              QStringLiteral("Ok"));
    EXPECT_EQ(chooser().findChild<QPushButton*>(QStringLiteral("boutannule"))->text(),
              QStringLiteral("Abort"));
    for (const char* name : {"DirectoryListBox1", "FileListBox1", "DriveComboBox1", "Edit1"}) {
        SCOPED_TRACE(name);
        const QWidget* control = chooser().findChild<QWidget*>(QLatin1String(name));
        ASSERT_NE(control, nullptr);
        EXPECT_TRUE(chooser().rect().contains(control->geometry()));
    }
}

TEST_F(FileChooserTest, OkWithoutAPickReturnsTheMaskAndTheFolder) {
    showAs(true, [this](QWidget* modal) {
        EXPECT_EQ(modal, &chooser());
        EXPECT_EQ(modal->windowTitle(), QStringLiteral("Select the file to load"));
        press(modal, "boutok");
    });
    EXPECT_TRUE(chooser().chosen());
    EXPECT_EQ(chooser().nameText(), "*");
    EXPECT_EQ(chooser().folder(), QDir(games()).absolutePath().toStdString());
}

TEST_F(FileChooserTest, OnlyOkChoosesEvenAfterAnEarlierOk) {
    showAs(true, [](QWidget* modal) { press(modal, "boutok"); });
    ASSERT_TRUE(chooser().chosen());

    const std::pair<const char*, std::function<void(QWidget*)>> closings[] = {
        {"Abort", [](QWidget* modal) { press(modal, "boutannule"); }},
        {"title bar", [](QWidget* modal) { modal->close(); }},
        {"Escape", [](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); }},
    };
    for (const auto& [how, close] : closings) {
        SCOPED_TRACE(how);
        showAs(true, close);
        EXPECT_FALSE(chooser().chosen());
        EXPECT_FALSE(chooser().isVisible());
    }
}

TEST_F(FileChooserTest, EnterConfirmsAsOkDoesButOnAbortAndInTheFolderList) {
    struct Case {
        const char* how;
        bool readOnly;
        // Puts the focus where Enter is pressed, with the name the player gave.
        std::function<QWidget*(QWidget*)> focus;
        bool chosen;
        std::string name;
    };
    const Case cases[] = {
        {"in the name typed when saving", false,
         [this](QWidget*) {
             nameField()->setFocus();
             nameField()->selectAll();
             QTest::keyClicks(nameField(), QStringLiteral("evening"));
             return nameField();
         },
         true, "evening"},
        {"in the name picked when loading", true,
         [this](QWidget*) {
             pickInList(QStringLiteral("b-game"));
             nameField()->setFocus();
             return nameField();
         },
         true, "b-game"},
        {"on the file picked in the list", true,
         [this](QWidget*) {
             pickInList(QStringLiteral("A-game"));
             fileList()->setFocus();
             return fileList();
         },
         true, "A-game"},
        {"on Ok", true,
         [](QWidget* modal) {
             auto* ok = modal->findChild<QPushButton*>(QStringLiteral("boutok"));
             ok->setFocus();
             return ok;
         },
         true, "*"},
        {"on Abort", true,
         [](QWidget* modal) {
             auto* abort = modal->findChild<QPushButton*>(QStringLiteral("boutannule"));
             abort->setFocus();
             return abort;
         },
         false, "*"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        for (const Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
            bool closed = false;
            showAs(c.readOnly, [&](QWidget* modal) {
                QApplication::setActiveWindow(modal);
                QTest::keyClick(c.focus(modal), enter);
                closed = !modal->isVisible();
                if (!closed)
                    press(modal, "boutannule");
            });
            EXPECT_TRUE(closed) << "Enter closes the chooser";
            EXPECT_EQ(chooser().chosen(), c.chosen);
            if (c.chosen) {
                EXPECT_EQ(chooser().nameText(), c.name);
            }
        }
    }
}

TEST_F(FileChooserTest, ListsTheFolderFilesAgainOnEveryShowing) {
    showAs(true, [this](QWidget* modal) {
        EXPECT_EQ(listed(), (QStringList{QStringLiteral("A-game"), QStringLiteral("b-game")}))
            << "no hidden file, no folder";
        press(modal, "boutannule");
    });

    touch(QStringLiteral("c-saved-since"));
    showAs(true, [this](QWidget* modal) {
        EXPECT_TRUE(listed().contains(QStringLiteral("c-saved-since")));
        press(modal, "boutannule");
    });
}

TEST_F(FileChooserTest, PickingAFilePutsItsNameSelectedAndEveryRereadPutsTheMaskBack) {
    showAs(true, [this](QWidget* modal) {
        pickInList(QStringLiteral("b-game"));
        EXPECT_EQ(nameField()->text(), QStringLiteral("b-game"));
        EXPECT_EQ(nameField()->selectedText(), QStringLiteral("b-game"));

        chooser().openFolder(QDir(games()).filePath(QStringLiteral("sub")));
        EXPECT_EQ(nameField()->text(), QStringLiteral("*"));
        EXPECT_EQ(listed(), QStringList{QStringLiteral("inner")});
        EXPECT_TRUE(fileList()->selectedItems().isEmpty());

        chooser().openFolder(games());
        pickInList(QStringLiteral("A-game"));
        press(modal, "boutok");
    });
    EXPECT_EQ(chooser().nameText(), "A-game");

    // The next showing starts again from the mask, in the folder of the last use.
    showAs(true, [this](QWidget* modal) {
        EXPECT_EQ(nameField()->text(), QStringLiteral("*"));
        EXPECT_EQ(chooser().currentFolder(), QDir(games()).absolutePath());
        press(modal, "boutannule");
    });
}

TEST_F(FileChooserTest, TheNameCanBeTypedOnlyWhenTheCallerAllowsIt) {
    for (const bool readOnly : {true, false}) {
        SCOPED_TRACE(readOnly);
        showAs(readOnly, [this](QWidget* modal) {
            nameField()->selectAll();
            QTest::keyClicks(nameField(), QStringLiteral("my game"));
            press(modal, "boutok");
        });
        EXPECT_EQ(chooser().nameText(), readOnly ? "*" : "my game");
    }
}

TEST_F(FileChooserTest, TellsTheUntouchedMaskFromAStarThePlayerTypedOrPicked) {
    touch(QStringLiteral("*"));
    struct Case {
        const char* how;
        std::function<void()> act;
        bool untouched;
    };
    const Case cases[] = {
        {"left as it was", [] {}, true},
        {"typed",
         [this] {
             nameField()->selectAll();
             QTest::keyClicks(nameField(), QStringLiteral("*"));
         },
         false},
        {"picked", [this] { pickInList(QStringLiteral("*")); }, false},
        {"typed, then the list read again",
         [this] {
             QTest::keyClicks(nameField(), QStringLiteral("x"));
             chooser().openFolder(games());
         },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        showAs(false, [&c](QWidget* modal) {
            c.act();
            press(modal, "boutok");
        });
        EXPECT_EQ(chooser().nameText(), "*");
        EXPECT_EQ(chooser().nameIsUntouchedMask(), c.untouched);
    }
}

TEST_F(FileChooserTest, OpeningAFolderInTheTreeListsItsFilesWithoutClosing) {
    auto* tree = chooser().findChild<QTreeView*>(QStringLiteral("DirectoryListBox1"));
    // The line of a subfolder of the current folder, once the folder list has read it.
    const auto subfolderLine = [tree](const QString& name) {
        const QModelIndex current = tree->currentIndex();
        for (int row = 0; row < tree->model()->rowCount(current); ++row) {
            const QModelIndex line = tree->model()->index(row, 0, current);
            if (line.data().toString() == name)
                return line;
        }
        return QModelIndex();
    };
    const QString sub = QDir(games()).filePath(QStringLiteral("sub"));
    showAs(true, [&](QWidget* modal) {
        QTRY_VERIFY(subfolderLine(QStringLiteral("sub")).isValid());
        tree->setCurrentIndex(subfolderLine(QStringLiteral("sub")));
        QTest::keyClick(tree, Qt::Key_Return);
        EXPECT_EQ(chooser().currentFolder(), sub);
        EXPECT_EQ(listed(), QStringList{QStringLiteral("inner")});
        EXPECT_TRUE(modal->isVisible()) << "Enter in the folder list opens the folder only";

        // Going back up: the parent is a line of the chain above the current folder.
        tree->setCurrentIndex(tree->currentIndex().parent());
        QTest::keyClick(tree, Qt::Key_Return);
        EXPECT_EQ(chooser().currentFolder(), QDir(games()).absolutePath());
        press(modal, "boutannule");
    });
}

TEST_F(FileChooserTest, ADriveThatIsNotReadyGivesWayToTheRoot) {
    auto* drives = chooser().findChild<QComboBox*>(QStringLiteral("DriveComboBox1"));
    drives->addItem(QStringLiteral("empty drive"), QStringLiteral("/no/such/mount/point"));
    drives->setCurrentIndex(drives->count() - 1);

    EXPECT_EQ(drives->currentData().toString(), QStringLiteral("/"));
    EXPECT_EQ(chooser().currentFolder(), QStringLiteral("/"));
    EXPECT_EQ(listed(),
              QDir(QStringLiteral("/")).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
}

// A mount point is a folder like any other in the folder list: opening it keeps the chain from
// the root down to it, so the way back up stays open, on this showing and the next. Only the
// drive list makes a drive's own folder the top line.
TEST_F(FileChooserTest, OpeningAMountPointKeepsTheChainFromTheRoot) {
    const QString mountPoint = MountPointBelowTheRoot();
    if (mountPoint.isEmpty())
        GTEST_SKIP() << "no readable mount point below / on this machine";
    const QStringList below = mountPoint.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    const std::string fromTheRoot = "/|" + below.join(QLatin1Char('|')).toStdString();
    // Listed as a drive, as a second disk or a separate /home is (Qt leaves the file systems
    // under /dev out of the list).
    auto* drives = chooser().findChild<QComboBox*>(QStringLiteral("DriveComboBox1"));
    if (drives->findData(mountPoint) < 0)
        drives->addItem(mountPoint, mountPoint);
    chooser().openFolder(QStringLiteral("/"));

    showAs(true, [&](QWidget* modal) {
        for (const QString& name : below)
            openSubfolderLine(name);
        EXPECT_EQ(chooser().currentFolder().toStdString(), mountPoint.toStdString());
        EXPECT_EQ(chainShown(), fromTheRoot);
        EXPECT_EQ(drives->currentData().toString().toStdString(), "/");
        press(modal, "boutannule");
    });
    showAs(true, [&](QWidget* modal) {
        EXPECT_EQ(chooser().currentFolder().toStdString(), mountPoint.toStdString());
        EXPECT_EQ(chainShown(), fromTheRoot);
        // One line up, and Enter: back in the folder above the mount point.
        folderList()->setCurrentIndex(folderList()->currentIndex().parent());
        QTest::keyClick(folderList(), Qt::Key_Return);
        EXPECT_EQ(chooser().currentFolder().toStdString(),
                  QFileInfo(mountPoint).absolutePath().toStdString());

        drives->setCurrentIndex(drives->findData(mountPoint));
        EXPECT_EQ(chooser().currentFolder().toStdString(), mountPoint.toStdString());
        EXPECT_EQ(chainShown(), below.last().toStdString());
        press(modal, "boutannule");
    });
}

} // namespace
} // namespace orvane::test
