#include "app/about_box.h"
#include "app/companion.h"
#include "support/program_fixture.h"
#include "support/shown_text.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QToolButton>
#include <filesystem>
#include <fstream>

namespace orvane::test {
namespace {

class MainWindowTest : public ProgramFixture {
  protected:
    void writeParameters(std::initializer_list<std::int32_t> fields) {
        std::ofstream out(folder() + "ORVANE.PAR", std::ios::binary);
        for (std::int32_t f : fields)
            out.write(reinterpret_cast<const char*>(&f), 4); // the machine is little-endian
    }
    std::vector<std::int32_t> readParameters() {
        std::ifstream in(folder() + "ORVANE.PAR", std::ios::binary);
        std::vector<std::int32_t> fields;
        std::int32_t f;
        while (in.read(reinterpret_cast<char*>(&f), 4))
            fields.push_back(f);
        return fields;
    }
    QString textOf(const char* name) {
        QObject* o = main().findChild<QObject*>(QLatin1String(name));
        return o ? ShownText(o) : QStringLiteral("<no control %1>").arg(QLatin1String(name));
    }
};

TEST_F(MainWindowTest, ShowsTheEnglishTextsEvenWhenTheFileSaysLanguageOne) {
    writeParameters({0, 1, 0, 0, 1});
    startProgram();
    EXPECT_EQ(session.settings.language, 2);
    const std::pair<const char*, const char*> texts[] = {
        {"ltitrechoix", "Choose the system"},
        {"bvoirbulletin", "View the boards"},
        {"bimplistbull", "List of boards"},
        {"bimpbull", "Print the tickets"},
        {"bcomparer", "Compare with the results"},
        {"beffacer", "Clear the boards"},
        {"bquitter", "Quit"},
        {"bnaleat", "Random numbers"},
        {"GroupBox1", "Numbers selected"},
        {"Fichier1", "Files"},
        {"Chargerbulletin1", "Load game"},
        {"EnregistrerBulletin1", "Save game"},
        {"mQuitter1", "Quit"},
        {"Utilisation1", "Utilize"},
        {"mVoirlesbulletins1", "View the boards"},
        {"mVoirlalistedesbulletins1", "List of boards"},
        {"mCompareraveclesrsultats1", "Compare with the results"},
        {"Imprimerlesbulletins1", "Print the tickets"},
        {"Options1", "Options"},
        {"Paramtres1", "Parameters"},
        {"Aide1", "Help"},
        {"Aideenligne1", "Help"},
        {"Infos1", "Infos"},
        {"Label1", "MAIN BOARD"},
        {"Label3", "F"},
        {"Label4", "THUNDERBALL"},
        {"Label5", "left click to select/deselect"},
        {"Label6", "Right click for fixed numbers"},
        {"BitBtn1", "Play Worldwide Lotteries"},
        {"nbcoch", "0"},
        {"labnbFix", "0"},
        {"lnbcochb", "0"},
    };
    for (const auto& [name, text] : texts)
        EXPECT_EQ(textOf(name), QString::fromUtf8(text)) << name;
    EXPECT_EQ(main().windowTitle(), QStringLiteral("Orvane"));

    QStringList headers;
    for (QAction* a : main().menuBar()->actions())
        headers << a->text();
    EXPECT_EQ(headers, (QStringList{"Files", "Utilize", "Options", "Help"}));

    for (const char* name :
         {"bvoirbulletin", "bimplistbull", "bimpbull", "bcomparer", "beffacer", "bquitter"})
        EXPECT_TRUE(main().findChild<QWidget*>(QLatin1String(name))->toolTip().isEmpty()) << name;
    EXPECT_EQ(main().findChild<QWidget*>(QStringLiteral("boutaide"))->toolTip(),
              QStringLiteral("Help"));
    EXPECT_EQ(main().findChild<QWidget*>(QStringLiteral("SpeedButton2"))->toolTip(),
              QStringLiteral("Informations"));
}

TEST_F(MainWindowTest, ControlsSitWhereTheWindowWasDesigned) {
    startProgram();
    const std::pair<const char*, QRect> places[] = {
        {"Image24", {82, 3, 352, 47}},         {"SpeedButton2", {16, 13, 41, 36}},
        {"boutaide", {573, 13, 38, 36}},       {"ComboBox1", {4, 58, 590, 21}},
        {"pgrille", {2, 81, 357, 271}},        {"BitBtn1", {2, 240, 175, 25}},
        {"bvoirbulletin", {365, 82, 243, 36}}, {"bimplistbull", {365, 121, 121, 36}},
        {"bimpbull", {488, 120, 120, 37}},     {"bcomparer", {365, 158, 243, 36}},
        {"beffacer", {365, 198, 243, 36}},     {"GroupBox1", {189, 214, 156, 69}},
        {"bnaleat", {365, 239, 243, 38}},      {"bquitter", {365, 282, 243, 69}},
        {"Panel1", {0, 354, 638, 18}},
    };
    for (const auto& [name, rect] : places)
        EXPECT_EQ(main().findChild<QWidget*>(QLatin1String(name))->geometry(), rect) << name;
    EXPECT_EQ(main().centralWidget()->size(), QSize(619, 375));
    EXPECT_FALSE(main().windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(main().minimumSize(), main().maximumSize());
}

// How much a label draws when rendered on its own: how far its pixels stray from its background.
qint64 InkOf(QLabel& label) {
    const QImage image = label.grab().toImage();
    const int background = qGray(label.palette().color(label.backgroundRole()).rgb());
    qint64 ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += std::abs(qGray(image.pixel(x, y)) - background);
    return ink;
}

TEST_F(MainWindowTest, TitleOfTheSystemListShowsWhole) {
    startProgram();
    main().show();
    auto* title = main().findChild<QLabel*>(QStringLiteral("ltitrechoix"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->pos(), QPoint(15, 47));

    // Its own box holds the whole line, descenders included: it draws as much as the same text
    // on a label left at its natural size.
    QLabel natural(title->text());
    natural.setFont(title->font());
    natural.adjustSize();
    EXPECT_GT(InkOf(natural), 0);
    EXPECT_EQ(InkOf(*title), InkOf(natural));

    // And no control drawn after it covers any of it (the list below least of all).
    const QObjectList& siblings = title->parentWidget()->children();
    for (qsizetype i = siblings.indexOf(title) + 1; i < siblings.size(); ++i) {
        auto* above = qobject_cast<QWidget*>(siblings[i]);
        if (above && above->isVisible()) {
            EXPECT_FALSE(above->geometry().intersects(title->geometry()))
                << above->objectName().toStdString();
        }
    }
}

TEST_F(MainWindowTest, SystemListHoldsEverySystemWithTheFirstChosen) {
    startProgram();
    auto* list = main().findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    ASSERT_EQ(list->count(), 71);
    EXPECT_EQ(list->currentIndex(), 0);
    for (int i = 0; i < list->count(); ++i)
        EXPECT_EQ(list->itemText(i).toStdString(),
                  session.systemList.entries()[static_cast<std::size_t>(i)]);
    list->setCurrentIndex(list->findText(QString::fromStdString(SystemListEntry(53))));
    EXPECT_EQ(CurrentSystemIndex(session.systemList), 53);
}

TEST_F(MainWindowTest, QuitWritesTheParametersFileAndTheCloseBoxDoesNot) {
    writeParameters({7, 1, 0, 0, 0});
    startProgram();
    session.settings.horizontalOffset = 3;
    main().close();
    EXPECT_EQ(readParameters(), (std::vector<std::int32_t>{7, 1, 0, 0, 0}));

    main().show();
    main().findChild<QAbstractButton*>(QStringLiteral("bquitter"))->click();
    EXPECT_FALSE(main().isVisible());
    EXPECT_EQ(readParameters(), (std::vector<std::int32_t>{7, 2, 3, 0, 0}));
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(MainWindowTest, FailedQuitWriteWarnsInFrenchAndStillCloses) {
    // Neither the program folder nor the player's configuration folder can take the file.
    std::ofstream(folder() + "plain") << "x";
    playerFolder = folder() + "plain/orvane/";
    startProgram();
    QDir(QString::fromStdString(folder())).mkdir(QStringLiteral("ORVANE.PAR"));
    main().show();
    main().findChild<QAction*>(QStringLiteral("mQuitter1"))->trigger();
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0], SaveFailedPrompt());
    EXPECT_EQ(prompts.shown[0].text, "Il y a eu un problème");
    EXPECT_EQ(prompts.shown[0].caption, "Fichier non sauvegardé !!");
    EXPECT_TRUE(prompts.shown[0].beepFirst);
    EXPECT_EQ(prompts.shown[0].icon, PromptIcon::None);
    EXPECT_FALSE(main().isVisible());
}

// An installed program has the manual beside it, where the install lays it out; a help file
// copied into the program folder comes first.
TEST_F(MainWindowTest, HelpOpensTheHelpFileElseTheInstalledManualElseNothing) {
    namespace fs = std::filesystem;
    const std::string programFolder = folder() + "usr/lib/orvane/";
    const fs::path manual = fs::path(programFolder + ORVANE_MANUAL_FROM_PROGRAM).lexically_normal();
    struct Case {
        const char* what;
        bool helpFile, manual;
        std::vector<std::string> documents, browsed;
    };
    const Case cases[] = {
        {"help file and manual", true, true, {programFolder + "orvane.chm"}, {}},
        {"manual alone", false, true, {}, {manual.string()}},
        {"neither", false, false, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(folder() + "usr");
        fs::create_directories(programFolder);
        fs::create_directories(manual.parent_path());
        if (c.helpFile)
            std::ofstream(programFolder + "orvane.chm") << "help";
        if (c.manual)
            std::ofstream(manual) << "<html></html>";
        shell.documents.clear();
        shell.browsed.clear();
        program.reset();
        startProgram(programFolder);

        main().findChild<QAction*>(QStringLiteral("Aideenligne1"))->trigger();
        EXPECT_EQ(shell.documents, c.documents);
        EXPECT_EQ(shell.browsed, c.browsed);
        EXPECT_TRUE(prompts.shown.empty()) << "Help never reports anything";
    }
}

TEST_F(MainWindowTest, GridStyleTwoFromTheFileShowsTheThirtySixCellGrid) {
    writeParameters({0, 2, 0, 0, 2});
    startProgram();
    main().show();
    for (int cell = 1; cell <= 53; ++cell)
        EXPECT_EQ(main().findChild<QWidget*>(QStringLiteral("cell%1").arg(cell))->isVisible(),
                  cell <= 36)
            << cell;
    EXPECT_TRUE(main().findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().isNull());
}

TEST_F(MainWindowTest, HelpAndLotteryPageGoToTheDesktop) {
    std::ofstream(folder() + "orvane.chm") << "help";
    startProgram();
    main().findChild<QAbstractButton*>(QStringLiteral("boutaide"))->click();
    main().findChild<QAction*>(QStringLiteral("Aideenligne1"))->trigger();
    EXPECT_EQ(shell.documents,
              (std::vector<std::string>{folder() + "orvane.chm", folder() + "orvane.chm"}));
    main().findChild<QAbstractButton*>(QStringLiteral("BitBtn1"))->click();
    ASSERT_EQ(shell.browsed.size(), 1u);
    EXPECT_EQ(shell.browsed[0], LotteryPageUrl());
    EXPECT_TRUE(
        QString::fromStdString(shell.browsed[0]).endsWith(QStringLiteral("/thelotteren.php")));
}

TEST_F(MainWindowTest, ClosingStartsTheCompanionProgramRatherThanItsPage) {
    QFile program(QString::fromStdString(folder() + "VELMORE.EXE"));
    program.open(QIODevice::WriteOnly);
    program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile(QString::fromStdString(folder() + "VELMORE.HTM")).open(QIODevice::WriteOnly);
    startProgram();
    main().show();
    main().close();
    EXPECT_EQ(shell.programs, (std::vector<std::string>{folder() + "VELMORE.EXE"}));
    EXPECT_TRUE(shell.browsed.empty());

    QFile::remove(QString::fromStdString(folder() + "VELMORE.EXE"));
    main().show();
    main().close();
    EXPECT_EQ(shell.browsed, (std::vector<std::string>{folder() + "VELMORE.HTM"}));
}

TEST_F(MainWindowTest, ClosingLeavesAProgramOthersMayChangeAloneAndOpensNoPage) {
    QFile program(QString::fromStdString(folder() + "VELMORE.EXE"));
    program.open(QIODevice::WriteOnly);
    program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                           QFile::WriteGroup | QFile::ExeGroup);
    QFile(QString::fromStdString(folder() + "VELMORE.HTM")).open(QIODevice::WriteOnly);
    startProgram();
    main().show();
    main().close();
    EXPECT_TRUE(shell.programs.empty());
    EXPECT_TRUE(shell.browsed.empty());
}

TEST_F(MainWindowTest, InfosTwiceKeepsOneModelessAboutBox) {
    startProgram();
    main().show();
    main().findChild<QAction*>(QStringLiteral("Infos1"))->trigger();
    main().findChild<QAbstractButton*>(QStringLiteral("SpeedButton2"))->click();
    const auto boxes = main().findChildren<AboutBox*>();
    ASSERT_EQ(boxes.size(), 1);
    AboutBox* about = boxes.front();
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(about->isModal());
    EXPECT_EQ(about->objectName(), QStringLiteral("Tapropos"));
    EXPECT_EQ(about->windowTitle(), QStringLiteral("A propos"));
    EXPECT_EQ(about->findChild<QLabel*>(QStringLiteral("lversion"))->text(),
              QStringLiteral("V 1.10"));
    EXPECT_EQ(about->findChild<QLabel*>(QStringLiteral("ProductName"))->text(),
              QStringLiteral("Orvane"));
    EXPECT_EQ(about->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))
                  ->toPlainText()
                  .split(QLatin1Char('\n')),
              (QStringList{"The author assume no responsabilities from the lost or ",
                           "gains obtained with the use of this software.",
                           "It also decline responsabilities if any of the wheels of this ",
                           "software has an error."}));
    about->findChild<QAbstractButton*>(QStringLiteral("OKButton"))->click();
    EXPECT_FALSE(about->isVisible());
}

} // namespace
} // namespace orvane::test
