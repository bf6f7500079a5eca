// Every control of the windows added to the program reached with Tab and Shift+Tab alone: no
// table or field keeps the keyboard to itself.
#include "app/main_window.h"

#include "support/program_fixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QTest>

#include <fstream>
#include <set>

namespace orvane::test {
namespace {

// The controls the keyboard can stop on, as Tab visits them.
std::vector<QWidget*> TabStops(QWidget* window) {
    std::vector<QWidget*> stops;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if ((w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isVisibleTo(window) &&
            w->isEnabled() && !w->focusProxy())
            stops.push_back(w);
    }
    return stops;
}

QString NameOf(QWidget* w) {
    return QStringLiteral("%1 (%2)").arg(w->objectName(), w->metaObject()->className());
}

// Presses `key` on whatever has the focus, as often as it takes to go round twice, and gives
// every control the focus landed on.
std::set<QWidget*> Walk(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers,
                        std::size_t stops) {
    std::set<QWidget*> reached;
    for (std::size_t i = 0; i < 2 * stops + 2; ++i) {
        QWidget* at = QApplication::focusWidget();
        QTest::keyClick(at ? at : window, key, modifiers);
        if (QWidget* now = QApplication::focusWidget())
            reached.insert(now);
    }
    return reached;
}

class KeyboardReachTest : public ProgramFixture {
  protected:
    void SetUp() override {
        startProgram();
        main().show();
        QApplication::setActiveWindow(&main());
        markSevenWithFixed39();
    }
    // A file of three draws, for the draw history to list.
    std::string threeDraws() {
        const std::string path = folder() + "draws.txt";
        std::ofstream(path) << "21/03/2025 2 5 9 14 18 5\n"
                               "19/03/2025 2 5 9 14 22 6\n"
                               "18/03/2025 2 5 9 30 31 5\n";
        return path;
    }
};

TEST_F(KeyboardReachTest, TabAndShiftTabReachEveryControlOfEveryAddedWindow) {
    struct Case {
        const char* window;
        QKeySequence keys;
        // Fills the window first where an empty one would hide the fault (an empty table lets Tab
        // go).
        std::function<void(QWidget*)> fill;
        // Controls the walk must reach, by name, besides every one found.
        std::vector<const char*> named;
    };
    const Case cases[] = {
        {"WheelProfile",
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W),
         {},
         {"eprize5t", "eprize1t", "eprice", "bsaveprizes", "boperatorprizes", "BitBtn1"}},
        {"DrawHistory",
         QKeySequence(Qt::CTRL | Qt::Key_H),
         [this](QWidget* window) {
             openPath.answer = threeDraws();
             QTest::mouseClick(window->findChild<QWidget*>(QStringLiteral("bimport")),
                               Qt::LeftButton);
             auto* table = window->findChild<QAbstractItemView*>(QStringLiteral("tdraws"));
             ASSERT_EQ(table->model()->rowCount(), 3);
             table->setFocus();
             table->setCurrentIndex(table->model()->index(0, 0));
         },
         {"tdraws", "bimport", "bcheck", "bexport", "bdownload", "bcharts", "BitBtn1"}},
        {"PrintPreview",
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T),
         {},
         // One sheet: Previous and Next are greyed.
         {"zoom", "print", "saveAsPdf", "close"}},
        {"MakeWheel",
         QKeySequence(Qt::CTRL | Qt::Key_M),
         {},
         {"snumbers", "sfixed", "bmarked", "cpromise", "ccapped", "sseconds", "ename", "cyours",
          "bimportwheel", "bstart", "BitBtn1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window);
        const auto walk = [&](QWidget& shown) {
            QWidget* window = &shown;
            QApplication::setActiveWindow(window);
            if (c.fill)
                c.fill(window);
            const std::vector<QWidget*> stops = TabStops(window);
            for (const char* name : c.named) {
                QWidget* control = window->findChild<QWidget*>(QLatin1String(name));
                ASSERT_NE(control, nullptr) << name;
                EXPECT_NE(std::find(stops.begin(), stops.end(), control), stops.end())
                    << name << " takes no focus from Tab";
            }
            for (const auto& [key, modifiers] : {std::pair{Qt::Key_Tab, Qt::NoModifier},
                                                 std::pair{Qt::Key_Tab, Qt::ShiftModifier}}) {
                const std::set<QWidget*> reached = Walk(window, key, modifiers, stops.size());
                for (QWidget* stop : stops)
                    EXPECT_TRUE(reached.count(stop))
                        << NameOf(stop).toStdString() << " is never reached"
                        << (modifiers ? " going backwards" : " going forwards");
            }
        };
        EXPECT_TRUE(
            VisitModal([&] { QTest::keySequence(&main(), c.keys); }, Named(c.window), walk));
        QApplication::setActiveWindow(&main());
    }
    EXPECT_TRUE(prompts.shown.empty());
}

} // namespace
} // namespace orvane::test
