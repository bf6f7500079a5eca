// Every window's texts in one table: titles, captions and hints, as each window shows them.
#include "app/about_box.h"
#include "gamefiles/file_chooser.h"
#include "output/board_list_window.h"
#include "output/ticket_print_window.h"
#include "results/comparison_window.h"
#include "settings/parameters_window.h"
#include "support/program_fixture.h"
#include "support/shown_text.h"
#include "wheels/boards_view.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <fstream>

namespace orvane::test {
namespace {

enum class Shown { Text, Hint };

struct WindowText {
    const char* window;
    const char* control; // "" for the window's title
    Shown what;
    const char* text;
};

const WindowText kTexts[] = {
    {"TForm1", "", Shown::Text, "Orvane"},
    {"TForm1", "ltitrechoix", Shown::Text, "Choose the system"},
    {"TForm1", "bvoirbulletin", Shown::Hint, ""},
    {"TForm1", "bquitter", Shown::Text, "Quit"},
    {"TForm1", "boutaide", Shown::Hint, "Help"},
    {"TForm1", "SpeedButton2", Shown::Hint, "Informations"},
    {"TForm1", "Options1", Shown::Text, "Options"},
    {"Tapropos", "", Shown::Text, "A propos"},
    {"Tapropos", "ProductName", Shown::Text, "Orvane"},
    {"Tapropos", "lversion", Shown::Text, "V 1.10"},
    {"Tapropos", "OKButton", Shown::Text, "OK"},
    {"TForm2", "", Shown::Text, "Boards to play"},
    {"TForm2", "GroupBox2", Shown::Text, "Wheel selected"},
    {"TForm2", "ltitre", Shown::Text, "Board"},
    {"TForm2", "BitBtn1", Shown::Text, "Return"},
    {"TForm2", "BitBtn3", Shown::Hint, "Previous board"},
    {"TForm2", "BitBtn4", Shown::Hint, "Next board"},
    {"TForm5", "", Shown::Text, "List of the boards to play "},
    {"TForm5", "BitBtn6", Shown::Text, "Print the list of boards"},
    {"TForm5", "BitBtn2", Shown::Text, "Print the Tickets"},
    {"TForm5", "BitBtn1", Shown::Text, "Return"},
    {"TForm8", "", Shown::Text, "Results Analyst"},
    {"TForm8", "lbullgagnant", Shown::Text, "NUMBERS DRAWN"},
    {"TForm8", "GroupBox1", Shown::Text, "Matched Numbers"},
    {"TForm8", "button1", Shown::Text, "View Results"},
    {"TForm8", "BitBtn1", Shown::Text, "Return"},
    {"TForm8", "BitBtn1", Shown::Hint, "Back to previous window"},
    {"TForm6", "boutok", Shown::Text, "Ok"},
    {"TForm6", "boutannule", Shown::Text, "Abort"},
    {"TForm7", "", Shown::Text, "Print"},
    {"TForm7", "Label3", Shown::Text, "TICKET TYPE"},
    {"TForm7", "GroupBox3", Shown::Text, "Boards to print"},
    {"TForm7", "Label1", Shown::Text, "First"},
    {"TForm7", "Label2", Shown::Text, "Last"},
    {"TForm7", "Gpremier", Shown::Hint, "Entrez le numero de la première grille à imprimer"},
    {"TForm7", "gdernier", Shown::Hint, "Entrez le numero de la dernière grille à imprimer"},
    {"TForm7", "GroupBox2", Shown::Text, "Print Type"},
    {"TForm7", "bimptsbull", Shown::Text, "Print all the tickets"},
    {"TForm7", "bimpunbull", Shown::Text, "Stop after each ticket"},
    {"TForm7", "GroupBox4", Shown::Text, "More"},
    {"TForm7", "chNumticket", Shown::Text, "Print the number of ticket on top of the ticket"},
    {"TForm7", "boutannule", Shown::Text, "Cancel"},
    {"TForm7", "boutlancer", Shown::Text, "Print"},
    {"TForm9", "", Shown::Text, "Parameters"},
    {"TForm9", "GroupBox1", Shown::Text, "Printer"},
    {"TForm9", "ldecalh", Shown::Text, "horizontal adj."},
    {"TForm9", "ldecalv", Shown::Text, "vertical adj."},
    {"TForm9", "bok", Shown::Text, "OK"},
};

class WindowTextsTest : public ProgramFixture {};

TEST_F(WindowTextsTest, EveryWindowShowsItsTexts) {
    startProgram();
    AppWindows& w = windows();
    QWidget* all[] = {w.main,
                      w.boardsView.get(),
                      w.about.get(),
                      w.boardList.get(),
                      w.comparison.get(),
                      w.fileChooser.get(),
                      w.ticketPrint.get(),
                      w.parameters.get()};
    // Show each window as the program does, without the modal loop, so its showing routine runs.
    for (QWidget* window : all)
        window->show();
    for (const WindowText& t : kTexts) {
        SCOPED_TRACE(testing::Message() << t.window << " " << t.control);
        QWidget* window = nullptr;
        for (QWidget* candidate : all)
            if (candidate->objectName() == QLatin1String(t.window))
                window = candidate;
        ASSERT_NE(window, nullptr);
        QObject* control =
            *t.control ? window->findChild<QObject*>(QLatin1String(t.control)) : window;
        ASSERT_NE(control, nullptr);
        const QString expected = QString::fromUtf8(t.text);
        if (t.what == Shown::Hint)
            EXPECT_EQ(qobject_cast<QWidget*>(control)->toolTip(), expected);
        else
            EXPECT_EQ(ShownText(control), expected);
    }
    for (QWidget* window : all)
        window->hide();
}

TEST_F(WindowTextsTest, FileMessagesAreFrenchAndTheOthersEnglish) {
    std::ofstream(folder() + "plain") << "x";
    playerFolder = folder() + "plain/orvane/"; // nor the player's own folder
    startProgram();
    main().show();
    main().findChild<QAbstractButton*>(QStringLiteral("bvoirbulletin"))->click(); // nothing marked
    QDir(QString::fromStdString(folder())).mkdir(QStringLiteral("ORVANE.PAR")); // Quit cannot write
    main().Quit();
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[0].text, "Incorrect Selection");
    EXPECT_EQ(prompts.shown[0].caption, "Problem !!");
    EXPECT_EQ(prompts.shown[1].text, "Il y a eu un problème");
    EXPECT_EQ(prompts.shown[1].caption, "Fichier non sauvegardé !!");
}

TEST_F(WindowTextsTest, EveryWindowButTheChooserHasTheBackdropUnderneath) {
    startProgram();
    AppWindows& w = windows();
    QWidget* withBackdrop[] = {w.main->centralWidget(), w.boardsView.get(), w.about.get(),
                               w.boardList.get(),       w.comparison.get(), w.ticketPrint.get(),
                               w.parameters.get()};
    for (QWidget* surface : withBackdrop) {
        SCOPED_TRACE(surface->objectName().toStdString());
        QWidget* first = qobject_cast<QWidget*>(surface->children().value(0));
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(first->objectName(), QStringLiteral("DegradeClass1"));
    }
    EXPECT_EQ(w.fileChooser->findChild<QWidget*>(QStringLiteral("DegradeClass1")), nullptr);
}

} // namespace
} // namespace orvane::test
