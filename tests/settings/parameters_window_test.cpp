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
#include <limits>

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
    const char* expected; // the box's text afterwards
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
        {"one key typing a digit and a letter at once",
         [](QLineEdit* b) {
             QTest::sendKeyEvent(QTest::Click, b, Qt::Key_unknown, QStringLiteral("3a"),
                                 Qt::NoModifier);
         },
         "12"},
    };
    create();
    for (const char* name : {"edech", "edecv"}) {
        for (const KeyCase& c : cases) {
            SCOPED_TRACE(std::string(name) + ": " + c.what);
            QLineEdit* b = box(name);
            b->setText(QStringLiteral("12")); // the cursor goes to the end
            c.press(b);
            EXPECT_EQ(b->text(), QLatin1String(c.expected));
        }
    }
}

// A stored adjustment too long to type is shown up to its seventh character, and OK stores the
// value shown, whatever it was cut from.
TEST_F(ParametersWindowTest, StoredAdjustmentsShowSevenCharactersAndOkStoresWhatIsShown) {
    struct Case {
        std::int32_t stored;
        const char* shown;
        std::int32_t afterOk;
    };
    const Case cases[] = {
        {-123456789, "-123456", -123456},
        {123456789, "1234567", 1234567},
        {1234567, "1234567", 1234567},
        {-123456, "-123456", -123456},
        {-12345, "-12345", -12345},
        {99999, "99999", 99999},
        {std::numeric_limits<std::int32_t>::min(), "-214748", -214748},
        {std::numeric_limits<std::int32_t>::max(), "2147483", 2147483},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        settings.horizontalOffset = c.stored;
        settings.verticalOffset = c.stored;
        create();
        EXPECT_EQ(box("edech")->text().toStdString(), c.shown);
        EXPECT_EQ(box("edecv")->text().toStdString(), c.shown);
        window->show();
        QTest::mouseClick(ok(), Qt::LeftButton);
        EXPECT_EQ(settings.horizontalOffset, c.afterOk);
        EXPECT_EQ(settings.verticalOffset, c.afterOk);
    }
}

// Only typing is held to five characters: a longer value shown from the file can be shortened,
// but a typed character never makes a box hold more than five.
TEST_F(ParametersWindowTest, TypingNeverMakesABoxLongerThanFiveCharacters) {
    const auto home = [](QLineEdit* b, int deletes) {
        QTest::keyClick(b, Qt::Key_Home);
        for (int i = 0; i < deletes; ++i)
            QTest::keyClick(b, Qt::Key_Delete);
    };
    const KeyCase cases[] = {
        {"a digit at the end", [](QLineEdit* b) { QTest::keyClick(b, '8'); }, "1234567"},
        {"Delete", [&](QLineEdit* b) { home(b, 1); }, "234567"},
        {"a digit after one Delete",
         [&](QLineEdit* b) {
             home(b, 1);
             QTest::keyClick(b, '9');
         },
         "234567"},
        {"a digit after two Deletes",
         [&](QLineEdit* b) {
             home(b, 2);
             QTest::keyClick(b, '9');
         },
         "34567"},
        {"a digit after three Deletes",
         [&](QLineEdit* b) {
             home(b, 3);
             QTest::keyClick(b, '9');
         },
         "94567"},
        {"a digit over two selected characters",
         [](QLineEdit* b) {
             QTest::keyClick(b, Qt::Key_Home);
             QTest::keyClick(b, Qt::Key_Right, Qt::ShiftModifier);
             QTest::keyClick(b, Qt::Key_Right, Qt::ShiftModifier);
             QTest::keyClick(b, '9');
         },
         "1234567"},
        {"a new number over the whole text",
         [](QLineEdit* b) {
             b->selectAll();
             QTest::keyClicks(b, "-98765");
         },
         "-9876"},
    };
    settings.horizontalOffset = 1234567;
    settings.verticalOffset = 1234567;
    for (const char* name : {"edech", "edecv"}) {
        for (const KeyCase& c : cases) {
            SCOPED_TRACE(std::string(name) + ": " + c.what);
            create();
            window->show();
            QLineEdit* b = box(name);
            ASSERT_EQ(b->text().toStdString(), "1234567");
            c.press(b);
            EXPECT_EQ(b->text().toStdString(), c.expected);
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
