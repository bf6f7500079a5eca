#include "settings/app_settings.h"
#include "support/program_fixture.h"
#include "wheels/ticket_grid_panel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace orvane::test {
namespace {

class ParametersCommandTest : public ProgramFixture {
  protected:
    std::string parametersPath() const { return folder() + kParametersFileName; }

    void writeParametersFile(const AppSettings& stored) {
        const SettingsRecord record = EncodeSettings(stored);
        std::ofstream(parametersPath(), std::ios::binary)
            .write(reinterpret_cast<const char*>(record.data()),
                   static_cast<std::streamsize>(record.size()));
    }

    std::vector<std::uint8_t> parametersFileBytes() const {
        std::ifstream in(parametersPath(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    static void pressOk(QWidget* modal) {
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("bok")), Qt::LeftButton);
    }
};

TEST_F(ParametersCommandTest, QuitWritesTheAdjustmentTypedInTheWindow) {
    startProgram();
    whenModal([](QWidget* modal) {
        EXPECT_EQ(modal->objectName(), QStringLiteral("TForm9"));
        auto* horizontal = modal->findChild<QLineEdit*>(QStringLiteral("edech"));
        QTest::keyClick(horizontal, Qt::Key_Home);
        QTest::keyClick(horizontal, Qt::Key_Delete);
        QTest::keyClick(horizontal, '3');
        pressOk(modal);
    });
    main().Paramtres1Click();
    EXPECT_FALSE(std::filesystem::exists(parametersPath())) << "only Quit writes the file";

    main().Quit();
    // reserved 0, language 2, horizontal 3, vertical 0, grid style 1: little-endian, 20 bytes.
    const std::vector<std::uint8_t> expected = {0, 0, 0, 0, 2, 0, 0, 0, 3, 0,
                                                0, 0, 0, 0, 0, 0, 1, 0, 0, 0};
    EXPECT_EQ(parametersFileBytes(), expected);
}

struct CommandCase {
    friend void PrintTo(const CommandCase& c, std::ostream* os) {
        *os << "grid style " << c.stored << (c.pressOk ? " then OK" : " then the close box");
    }

    int stored;
    bool pressOk; // otherwise the close box
    int after;
    bool reapplied;
};

class ParametersCommandGridStyleTest : public ParametersCommandTest,
                                       public ::testing::WithParamInterface<CommandCase> {};

TEST_P(ParametersCommandGridStyleTest,
       KeepsTheChosenSystemAndReappliesTheGridStyleOnlyWhenItChanged) {
    const CommandCase c = GetParam();
    writeParametersFile({.reserved = 0,
                         .language = 2,
                         .horizontalOffset = 0,
                         .verticalOffset = 0,
                         .gridStyle = c.stored});
    startProgram();
    chooseSystem(30); // not the first entry, which a rebuilt list would choose
    const int position = session.systemList.chosenPosition();
    // Hiding every cell marks the grid: only laying it out again shows cell 1.
    main().grid()->ShowCellsUpTo(0);

    whenModal([c](QWidget* modal) {
        if (c.pressOk)
            pressOk(modal);
        else
            modal->close();
    });
    main().Paramtres1Click();

    EXPECT_EQ(session.settings.gridStyle, c.after);
    EXPECT_EQ(!main().grid()->cell(1)->isHidden(), c.reapplied);
    EXPECT_EQ(CurrentSystemIndex(session.systemList), 30);
    EXPECT_EQ(session.systemList.chosenPosition(), position);
    EXPECT_EQ(main().findChild<QComboBox*>(QStringLiteral("ComboBox1"))->currentIndex(), position);
}

INSTANTIATE_TEST_SUITE_P(StoredStyles, ParametersCommandGridStyleTest,
                         ::testing::Values(CommandCase{0, true, 1, true},
                                           CommandCase{1, true, 1, false},
                                           CommandCase{2, true, 2, false},
                                           CommandCase{0, false, 0, false}),
                         [](const ::testing::TestParamInfo<CommandCase>& info) {
                             return "Stored" + std::to_string(info.param.stored) +
                                    (info.param.pressOk ? "ThenOk" : "ThenCloseBox");
                         });

} // namespace
} // namespace orvane::test
