#include "settings/parameters_window.h"

#include "settings/app_settings.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace orvane {
namespace {

class ParametersWindowTest : public ::testing::Test {
  protected:
    void TearDown() override { window.reset(); }

    void create() { window = std::make_unique<ParametersWindow>(settings); }
    QLineEdit* box(const char* name) const {
        return window->findChild<QLineEdit*>(QLatin1String(name));
    }
    QRadioButton* radio(const char* name) const {
        return window->findChild<QRadioButton*>(QLatin1String(name));
    }
    QPushButton* ok() const { return window->findChild<QPushButton*>(QStringLiteral("bok")); }

    AppSettings settings{
        .reserved = 0, .language = 1, .horizontalOffset = 0, .verticalOffset = 0, .gridStyle = 1};
    std::unique_ptr<ParametersWindow> window;
};

TEST_F(ParametersWindowTest, CreationFillsTheBoxesAndSetsTheTexts) {
    settings.horizontalOffset = -4;
    settings.verticalOffset = 15;
    create();
    EXPECT_EQ(box("edech")->text(), QStringLiteral("-4"));
    EXPECT_EQ(box("edecv")->text(), QStringLiteral("15"));
    EXPECT_EQ(window->objectName(), QStringLiteral("TForm9"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Parameters"));
    EXPECT_EQ(window->findChild<QGroupBox*>(QStringLiteral("GroupBox1"))->title(),
              QStringLiteral("Printer"));
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("ldecalh"))->text(),
              QStringLiteral("horizontal adj."));
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("ldecalv"))->text(),
              QStringLiteral("vertical adj."));
    EXPECT_EQ(ok()->text(), QStringLiteral("OK"));
    EXPECT_TRUE(ok()->isDefault());
    EXPECT_TRUE(window->findChild<QGroupBox*>(QStringLiteral("glangue"))->isHidden());
    EXPECT_TRUE(window->findChild<QGroupBox*>(QStringLiteral("Gtypegrille"))->isHidden());
    EXPECT_TRUE(radio("langlais")->isChecked());
    EXPECT_FALSE(radio("lfrancais")->isChecked());
}

struct KeyCase {
    const char* what;
    std::function<void(QLineEdit*)> press;
    const char* expected; // from "12" with the cursor at the end
};

TEST_F(ParametersWindowTest, BoxesTakeDigitsAndSignsOnly) {
    const KeyCase cases[] = {
        {"a letter", [](QLineEdit* b) { QTest::keyClick(b, 'a'); }, "12"},
        {"a capital letter", [](QLineEdit* b) { QTest::keyClick(b, Qt::Key_X, Qt::ShiftModifier); },
         "12"},
        {"a blank", [](QLineEdit* b) { QTest::keyClick(b, ' '); }, "12"},
        {"a point", [](QLineEdit* b) { QTest::keyClick(b, '.'); }, "12"},
        {"Backspace", [](QLineEdit* b) { QTest::keyClick(b, Qt::Key_Backspace); }, "12"},
        {"a digit", [](QLineEdit* b) { QTest::keyClick(b, '7'); }, "127"},
        {"a plus", [](QLineEdit* b) { QTest::keyClick(b, '+'); }, "12+"},
        {"a minus", [](QLineEdit* b) { QTest::keyClick(b, '-'); }, "12-"},
        {"Delete after Home",
         [](QLineEdit* b) {
             QTest::keyClick(b, Qt::Key_Home);
             QTest::keyClick(b, Qt::Key_Delete);
         },
         "2"},
        {"Delete after Left",
         [](QLineEdit* b) {
             QTest::keyClick(b, Qt::Key_Left);
             QTest::keyClick(b, Qt::Key_Delete);
         },
         "1"},
        {"Delete carrying the DEL code, as X11 sends it",
         [](QLineEdit* b) {
             QTest::keyClick(b, Qt::Key_Home);
             QTest::sendKeyEvent(QTest::Click, b, Qt::Key_Delete, QStringLiteral("\x7f"),
                                 Qt::NoModifier);
         },
         "2"},
        {"digits past the fifth character", [](QLineEdit* b) { QTest::keyClicks(b, "34567"); },
         "12345"},
    };
    create();
    for (const char* name : {"edech", "edecv"}) {
        for (const KeyCase& c : cases) {
            SCOPED_TRACE(std::string(name) + ": " + c.what);
            QLineEdit* b = box(name);
            b->setText(QStringLiteral("12"));
            c.press(b);
            EXPECT_EQ(b->text(), QLatin1String(c.expected));
        }
    }
}

TEST_F(ParametersWindowTest, OkReadsTheLeadingNumberOfEachBox) {
    create();
    window->show();
    box("edech")->clear();
    box("edecv")->clear();
    QTest::keyClicks(box("edech"), "12-3");
    QTest::keyClicks(box("edecv"), "-");
    QTest::mouseClick(ok(), Qt::LeftButton);
    EXPECT_EQ(settings.horizontalOffset, 12);
    EXPECT_EQ(settings.verticalOffset, 0);
    EXPECT_EQ(settings.language, kLanguageEnglish);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
}

TEST_F(ParametersWindowTest, EnterInABoxPressesOk) {
    create();
    window->show();
    box("edecv")->setText(QString());
    QTest::keyClicks(box("edecv"), "+7");
    QTest::keyClick(box("edecv"), Qt::Key_Return);
    EXPECT_EQ(settings.verticalOffset, 7);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ParametersWindowTest, CloseBoxAppliesNothingButKeepsTheTypedText) {
    settings.horizontalOffset = 2;
    create();
    window->show();
    box("edech")->setText(QString());
    QTest::keyClicks(box("edech"), "-45");
    window->close();
    EXPECT_EQ(settings.horizontalOffset, 2);
    EXPECT_EQ(settings.language, 1);

    window->show();
    EXPECT_EQ(box("edech")->text(), QStringLiteral("-45"));
    QTest::mouseClick(ok(), Qt::LeftButton);
    EXPECT_EQ(settings.horizontalOffset, -45);
}

TEST_F(ParametersWindowTest, OkWritesTheGridStyleBackFromTheHiddenChoice) {
    struct Case {
        int before;
        bool keno, bancoJass;
        int after;
    };
    const Case cases[] = {
        {0, true, false, 1}, // 0 behaves as Keno and is stored as Keno
        {1, true, false, 1},
        {2, false, true, 2},
        {7, false, false, 7}, // no choice matches: the value is kept
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        settings.gridStyle = c.before;
        create();
        EXPECT_EQ(radio("gkenof")->isChecked(), c.keno);
        EXPECT_EQ(radio("gbancojass")->isChecked(), c.bancoJass);
        window->show();
        QTest::mouseClick(ok(), Qt::LeftButton);
        EXPECT_EQ(settings.gridStyle, c.after);
    }
}

} // namespace
} // namespace orvane
