// A PDF is written as Qt draws it: into a hidden temporary beside the file being saved, never into
// the temporary folder, so a program that ends during the save, or while its "not saved" message
// is open, leaves nothing there.
#include "output/pdf_export.h"
#include "output/pdf_file_messages.h"
#include "output/print_canvas.h"

#include "support/player_only.h"
#include "tests/doubles/scripted_prompts.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace orvane {
namespace {

QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void Plant(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A folder for the saved file, and the temporary folder of the process pointed at a folder of the
// test's own, watched for anything left there.
class SaveAsPdfFolders : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_files.isValid() && m_temporary.isValid());
        m_hadTemporary = qEnvironmentVariableIsSet("TMPDIR");
        m_savedTemporary = qgetenv("TMPDIR");
        qputenv("TMPDIR", m_temporary.path().toLocal8Bit());
    }
    void TearDown() override {
        if (m_hadTemporary)
            qputenv("TMPDIR", m_savedTemporary);
        else
            qunsetenv("TMPDIR");
        ::chmod(QFile::encodeName(m_files.path()).constData(), 0700);
    }

    QString folder() const { return m_files.path(); }
    QString file(const QString& name) const { return m_files.filePath(name); }
    QStringList leftInTemporaryFolder() const { return Entries(m_temporary.path()); }

    // Draws one line on the canvas and looks at both folders while the document is open.
    std::function<void(PrintCanvas&, Prompts&)> drawAndLook() {
        return [this](PrintCanvas& canvas, Prompts&) {
            ASSERT_TRUE(canvas.beginDocument().ok);
            canvas.setPenWidth(10);
            canvas.line(100, 100, 400, 100);
            besideDuringSave = Entries(folder());
            temporaryDuringSave = leftInTemporaryFolder();
            ASSERT_TRUE(canvas.endDocument().ok);
        };
    }
    QStringList besideDuringSave;
    QStringList temporaryDuringSave;

    test::ScriptedPrompts prompts;

  private:
    QTemporaryDir m_files;
    QTemporaryDir m_temporary;
    bool m_hadTemporary = false;
    QByteArray m_savedTemporary;
};

using PdfScratch = SaveAsPdfFolders;
using PdfScratchAsPlayer = SaveAsPdfFolders;

const QRegularExpression kTemporaryName(QStringLiteral("^\\.orvane-[A-Za-z0-9]{6}\\.tmp$"));

TEST_F(PdfScratch, DrawsIntoAHiddenTemporaryBesideTheFileAndPutsItInThePlaceOfTheOld) {
    Plant(file(QStringLiteral("tickets.pdf")), "an older copy");
    ASSERT_TRUE(
        SaveAsPdf(file(QStringLiteral("tickets.pdf")).toStdString(), prompts, drawAndLook()));

    ASSERT_EQ(besideDuringSave.size(), 2) << besideDuringSave.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(kTemporaryName.match(besideDuringSave[0]).hasMatch())
        << besideDuringSave[0].toStdString();
    EXPECT_EQ(besideDuringSave[1], QStringLiteral("tickets.pdf"));
    EXPECT_TRUE(temporaryDuringSave.isEmpty())
        << temporaryDuringSave.join(QLatin1Char(' ')).toStdString();

    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(Entries(folder()), QStringList{QStringLiteral("tickets.pdf")});
    EXPECT_TRUE(Contents(file(QStringLiteral("tickets.pdf"))).startsWith("%PDF-"));
    EXPECT_TRUE(leftInTemporaryFolder().isEmpty());
}

TEST_F(PdfScratch, TheNotSavedMessageFindsNothingLeftOfTheSave) {
    Plant(file(QStringLiteral("tickets.pdf")), "an older copy");
    QStringList besideDuringMessage;
    QStringList temporaryDuringMessage;
    prompts.whenAsked = [&](const Prompt&) {
        besideDuringMessage = Entries(folder());
        temporaryDuringMessage = leftInTemporaryFolder();
    };
    // A document never begun: nothing to save.
    const std::string path = file(QStringLiteral("tickets.pdf")).toStdString();
    EXPECT_FALSE(SaveAsPdf(path, prompts, [](PrintCanvas&, Prompts&) {}));

    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0], PdfNotSavedPrompt(path, WriteFailure::None));
    EXPECT_EQ(besideDuringMessage, QStringList{QStringLiteral("tickets.pdf")});
    EXPECT_TRUE(temporaryDuringMessage.isEmpty());
    EXPECT_EQ(Contents(file(QStringLiteral("tickets.pdf"))), QByteArray("an older copy"));
}

// A file the player may write in a folder the player may not: the document is gathered in memory
// and written over the file, and still nothing lands in the temporary folder.
TEST_F(PdfScratchAsPlayer, AFileInAFolderThatTakesNoTemporaryIsWrittenInPlace) {
    ORVANE_SKIP_AS_ROOT();
    Plant(file(QStringLiteral("tickets.pdf")), "an older copy");
    ::chmod(QFile::encodeName(folder()).constData(), 0500);
    ASSERT_TRUE(
        SaveAsPdf(file(QStringLiteral("tickets.pdf")).toStdString(), prompts, drawAndLook()));
    EXPECT_EQ(besideDuringSave, QStringList{QStringLiteral("tickets.pdf")});
    EXPECT_TRUE(temporaryDuringSave.isEmpty());
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_TRUE(Contents(file(QStringLiteral("tickets.pdf"))).startsWith("%PDF-"));
    EXPECT_TRUE(leftInTemporaryFolder().isEmpty());
}

} // namespace
} // namespace orvane
