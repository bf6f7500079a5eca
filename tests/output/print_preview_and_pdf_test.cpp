// The ticket print window's preview and PDF copy, the list window's PDF copy, and the warning
// about marks the printer cannot reach, through the windows a player uses.
#include "output/board_list_window.h"
#include "output/pdf_file_messages.h"
#include "output/print_failure.h"
#include "output/print_preview_window.h"
#include "output/ticket_print_window.h"
#include "output/ticket_printing.h"

#include "support/program_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace orvane::test {
namespace {

// A PDF as Qt writes it: the header, then at least one page.
bool IsPdfWithPages(const QString& path, int pages) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    return bytes.startsWith("%PDF-") && bytes.count("/Type /Page\n") == pages;
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

class PrintPreviewAndPdfTest : public ProgramFixture {
  protected:
    void SetUp() override {
        startProgram();
        markSevenWithFixed39(); // 15 boards: three tickets
    }

    // Opens the print window from the main window and hands it to `action`.
    void openPrint(std::function<void(TicketPrintWindow&)> action) {
        EXPECT_TRUE(VisitModalOf<TicketPrintWindow>([this] { clickInMain("bimpbull"); }, action))
            << "the print window did not open";
    }

    // Presses "Preview" in the print window and hands the preview to `action` while it is open.
    void preview(TicketPrintWindow& window, std::function<void(PrintPreviewWindow&)> action) {
        EXPECT_TRUE(VisitModalOf<PrintPreviewWindow>(
            [&] { window.findChild<QPushButton*>(QStringLiteral("boutapercu"))->click(); }, action))
            << "the preview did not open";
    }

    static void press(QWidget& window, const char* button) {
        auto* b = window.findChild<QPushButton*>(QLatin1String(button));
        ASSERT_NE(b, nullptr) << button;
        b->click();
    }

    QString scratch(const QString& name) const { return QDir(m_files.path()).filePath(name); }

  private:
    QTemporaryDir m_files;
};

TEST_F(PrintPreviewAndPdfTest, PreviewShowsEveryTicketAsPrintedAndPrintsWhatItShows) {
    openPrint([this](TicketPrintWindow& window) {
        window.findChild<QLineEdit*>(QStringLiteral("Gpremier"))->setText(QStringLiteral("2"));
        window.findChild<QLineEdit*>(QStringLiteral("gdernier"))->setText(QStringLiteral("14"));
        preview(window, [this](PrintPreviewWindow& preview) {
            EXPECT_EQ(canvas.documentsBegun, 0) << "a preview prints nothing";
            ASSERT_EQ(preview.pageCount(), 3); // boards 2..7, 8..13, 14
            auto* number = preview.findChild<QLabel*>(QStringLiteral("pageNumber"));
            EXPECT_EQ(number->text(), QStringLiteral("Ticket 1 of 3"));
            press(preview, "nextPage");
            press(preview, "nextPage");
            EXPECT_EQ(number->text(), QStringLiteral("Ticket 3 of 3"));
            EXPECT_FALSE(preview.findChild<QPushButton*>(QStringLiteral("nextPage"))->isEnabled());
            // Board 14 alone on the last ticket: five main numbers and one Thunderball.
            EXPECT_EQ(preview.document().pages[2].marks.size(), 6u);
            EXPECT_EQ(preview.findChild<QLabel*>(QStringLiteral("warning")), nullptr);
            // Every zoom shows the page; the whole page fits the window.
            auto* zoom = preview.findChild<QComboBox*>(QStringLiteral("zoom"));
            for (int i = 0; i < zoom->count(); ++i) {
                zoom->setCurrentIndex(i);
                EXPECT_GT(preview.pixelsPerInch(), 0) << zoom->itemText(i).toStdString();
            }
            press(preview, "print");
        });
        EXPECT_FALSE(window.isVisible()) << "printing from the preview closes the print window";
    });
    // The lines printed are the preview's, one for one.
    EXPECT_EQ(canvas.documentsBegun, 1);
    EXPECT_EQ(canvas.pagesHandedOver, (std::vector<int>{3}));
    EXPECT_EQ(canvas.lines.size(), 13u * 6u);
}

TEST_F(PrintPreviewAndPdfTest, ClosingThePreviewPrintsNothingAndABadRangeOpensNone) {
    openPrint([this](TicketPrintWindow& window) {
        preview(window, [](PrintPreviewWindow& preview) { press(preview, "close"); });
        EXPECT_TRUE(window.isVisible());
        window.findChild<QLineEdit*>(QStringLiteral("gdernier"))->setText(QStringLiteral("16"));
        press(window, "boutapercu");
        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_EQ(prompts.shown[0], IncorrectRangePrompt());
        EXPECT_EQ(QApplication::activeModalWidget(), &window);
    });
    EXPECT_EQ(canvas.documentsBegun, 0);
}

TEST_F(PrintPreviewAndPdfTest, PrintingNamesTheMarksThePrinterCannotReachAndMayGoBack) {
    canvas.offsetX = 130; // at 600 dpi the printer starts right of column 1 (0.5 cm)
    prompts.answers = {PromptAnswer::Cancel};
    openPrint([this](TicketPrintWindow& window) {
        press(window, "boutlancer");
        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_EQ(prompts.shown[0].caption, "Tickets printing");
        EXPECT_NE(prompts.shown[0].text.find("main number 1 on board 1 of the ticket"),
                  std::string::npos);
        EXPECT_TRUE(window.isVisible()) << "going back keeps the window";
        EXPECT_EQ(canvas.documentsBegun, 0);
        // The preview names them too; printing from there prints them without asking again.
        preview(window, [](PrintPreviewWindow& preview) {
            auto* warning = preview.findChild<QLabel*>(QStringLiteral("warning"));
            ASSERT_NE(warning, nullptr);
            EXPECT_TRUE(warning->text().contains(QStringLiteral("main number 1 on board 1")));
            press(preview, "print");
        });
    });
    EXPECT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(canvas.documentsBegun, 1);
}

TEST_F(PrintPreviewAndPdfTest, WithoutAPrinterThePreviewShowsASheetAndPrintSaysWhy) {
    canvas.dpiX = canvas.dpiY = 0; // nothing to measure: no printer is installed
    canvas.refusal = "No printer is installed on this computer.";
    openPrint([this](TicketPrintWindow& window) {
        preview(window, [](PrintPreviewWindow& preview) {
            ASSERT_EQ(preview.pageCount(), 3);
            // Laid out for a sheet with no margins, as the PDF copy is.
            const PageGeometry& g = preview.document().geometry;
            EXPECT_GT(g.dpiX, 0);
            EXPECT_EQ(g.offsetX, 0);
            EXPECT_EQ(g.offsetY, 0);
            EXPECT_EQ(preview.findChild<QLabel*>(QStringLiteral("warning")), nullptr);
            press(preview, "print");
        });
    });
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0], PrintingFailedPrompt(canvas.refusal));
}

TEST_F(PrintPreviewAndPdfTest, SavesTheTicketsAsAPdfWithoutAPrinter) {
    const QString pdf = scratch(QStringLiteral("tickets.pdf"));
    savePath.answer = pdf.toStdString();
    canvas.refusal = "No printer is installed on this computer."; // a PDF needs no printer
    openPrint([](TicketPrintWindow& window) {
        press(window, "boutpdf");
        EXPECT_TRUE(window.isVisible()) << "the window stays for printing";
    });
    EXPECT_TRUE(prompts.shown.empty()) << prompts.shown[0].text;
    EXPECT_TRUE(IsPdfWithPages(pdf, 3)) << "one page a ticket";
    ASSERT_EQ(savePath.asked.size(), 1u);
    EXPECT_EQ(savePath.asked[0], "Save the tickets as PDF | tickets.pdf");
}

TEST_F(PrintPreviewAndPdfTest, APdfThatCannotBeWrittenIsSaidAndLosesNothing) {
    const QString folder = scratch(QStringLiteral("a folder"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString kept = scratch(QStringLiteral("kept.pdf"));
    {
        QFile file(kept);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("the player's own file");
    }
    struct Case {
        const char* why;
        QString path;
        WriteFailure failure;
    };
    const Case cases[] = {
        {"a folder", folder, WriteFailure::NotRegularFile},
        {"a folder that is not there", scratch(QStringLiteral("missing/tickets.pdf")),
         WriteFailure::FolderMissing},
        {"below a file", kept + QStringLiteral("/tickets.pdf"), WriteFailure::FolderMissing},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        prompts.shown.clear();
        savePath.answer = c.path.toStdString();
        openPrint([](TicketPrintWindow& window) { press(window, "boutpdf"); });
        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_EQ(prompts.shown[0], PdfNotSavedPrompt(c.path.toStdString(), c.failure));
        EXPECT_EQ(prompts.shown[0].caption, "Fichier non sauvegardé !!");
    }
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(Contents(kept), QByteArray("the player's own file"));
    EXPECT_EQ(QDir(scratch(QString())).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("kept.pdf")})
        << "no temporary left behind";
}

TEST_F(PrintPreviewAndPdfTest, CancellingThePdfDialogWritesNothing) {
    savePath.answer.reset();
    openPrint([](TicketPrintWindow& window) { press(window, "boutpdf"); });
    EXPECT_EQ(savePath.asked.size(), 1u);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(canvas.documentsBegun, 0);
}

TEST_F(PrintPreviewAndPdfTest, TheListWindowSavesThePrintedListAsAPdfAndReplacesAnOldOne) {
    const QString pdf = scratch(QStringLiteral("boards.pdf"));
    {
        QFile old(pdf);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("an older list");
    }
    savePath.answer = pdf.toStdString();
    whenModal([](QWidget* modal) {
        auto* list = qobject_cast<BoardListWindow*>(modal);
        ASSERT_NE(list, nullptr);
        press(*list, "BitBtnPdf");
        list->close();
    });
    main().findChild<QPushButton*>(QStringLiteral("bimplistbull"))->click();
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_TRUE(IsPdfWithPages(pdf, 1));
    EXPECT_EQ(canvas.documentsBegun, 0) << "nothing went to the printer";
    ASSERT_EQ(savePath.asked.size(), 1u);
    EXPECT_EQ(savePath.asked[0], "Save the list of boards as PDF | boards.pdf");
}

// Options > Printer test sheet: the sheet in the preview, then printed or saved from there.
TEST_F(PrintPreviewAndPdfTest, TheTestSheetIsPreviewedThenPrintedOrSaved) {
    session.settings.horizontalOffset = 3;
    const QString pdf = scratch(QStringLiteral("sheet.pdf"));
    savePath.answer = pdf.toStdString();
    QAction* item = main().findChild<QAction*>(QStringLiteral("Testimprimante1"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QStringLiteral("Printer test sheet"));
    // It follows Parameters in the Options menu.
    const QList<QAction*> options = main().findChild<QMenu*>(QStringLiteral("Options1"))->actions();
    ASSERT_EQ(options.size(), 2);
    EXPECT_EQ(options[0]->objectName(), QStringLiteral("Paramtres1"));
    EXPECT_EQ(options[1], item);

    for (const char* button : {"close", "saveAsPdf", "print"}) {
        SCOPED_TRACE(button);
        whenModal([this, button](QWidget* modal) {
            auto* preview = qobject_cast<PrintPreviewWindow*>(modal);
            ASSERT_NE(preview, nullptr) << "the preview did not open";
            EXPECT_EQ(preview->windowTitle(), QStringLiteral("Printer test sheet"));
            EXPECT_EQ(preview->pageCount(), 1);
            EXPECT_GT(preview->document().pages[0].marks.size(), 6u * 53u * 4u)
                << "every box outlined";
            EXPECT_EQ(canvas.documentsBegun, 0) << "nothing printed before Print";
            press(*preview, button);
            if (preview->isVisible())
                preview->close();
        });
        item->trigger();
    }
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_TRUE(IsPdfWithPages(pdf, 1));
    // Print printed the one page shown.
    EXPECT_EQ(canvas.documentsBegun, 1);
    EXPECT_EQ(canvas.pagesHandedOver, (std::vector<int>{1}));
}

} // namespace
} // namespace orvane::test
