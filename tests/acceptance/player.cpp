#include "player.h"

#include "wheels/ticket_grid_panel.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace orvane::test {
namespace {

constexpr int kLastMainNumber = 39;
constexpr int kLastThunderball = 14;

template <typename Widget> Widget* control(const QWidget* window, const char* name) {
    auto* found = window->findChild<Widget*>(QLatin1String(name));
    if (!found)
        ADD_FAILURE() << "no control " << name << " in " << window->objectName().toStdString();
    return found;
}

// The ticket picture of a window; the main window's lies in its client area, away from the
// windows it owns.
const TicketGridPanel* gridOf(const QWidget* window) {
    if (const auto* main = qobject_cast<const QMainWindow*>(window))
        window = main->centralWidget();
    return window->findChild<const TicketGridPanel*>(QStringLiteral("pgrille"));
}

std::set<int> cellsShowing(const QWidget* window, int first, int last, CellPicture picture) {
    std::set<int> shown;
    const TicketGridPanel* grid = gridOf(window);
    if (!grid) {
        ADD_FAILURE() << "no ticket picture in " << window->objectName().toStdString();
        return shown;
    }
    for (int cell = first; cell <= last; ++cell)
        if (grid->cell(cell)->isVisible() && grid->cell(cell)->picture() == picture)
            shown.insert(cell - first + 1);
    return shown;
}

// Waits for a window to open above the one on top now, then plays it when it is the one
// expected or, when another came instead, records the failure and closes that one.
void playWhenOnTop(const QString& expected, std::function<bool(QWidget*)> isExpected,
                   std::function<void(QWidget*)> play, QPointer<QWidget> below, int turnsLeft) {
    QTimer::singleShot(0, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == below) {
            if (turnsLeft > 0)
                playWhenOnTop(expected, isExpected, play, below, turnsLeft - 1);
            else
                ADD_FAILURE() << expected.toStdString() << " never opened";
            return;
        }
        if (!isExpected(modal)) {
            const auto* box = qobject_cast<QMessageBox*>(modal);
            ADD_FAILURE() << "expected " << expected.toStdString() << ", but "
                          << (box ? "the message \"" + box->text().toStdString() + "\""
                                  : modal->objectName().toStdString())
                          << " opened";
            modal->close();
            return;
        }
        play(modal);
    });
}

void playWhenOnTop(const QString& expected, std::function<bool(QWidget*)> isExpected,
                   std::function<void(QWidget*)> play) {
    playWhenOnTop(expected, std::move(isExpected), std::move(play),
                  QApplication::activeModalWidget(), 1000);
}

} // namespace

void Player::clickCell(int cell, bool right) {
    const TicketGridPanel* grid = gridOf(&m_main);
    ASSERT_NE(grid, nullptr);
    GridCell* target = grid->cell(cell);
    if (right)
        QTest::mousePress(target, Qt::RightButton);
    else
        QTest::mouseClick(target, Qt::LeftButton);
}

void Player::markNumber(int number) {
    clickCell(number, false);
}
void Player::fixNumber(int number) {
    clickCell(number, true);
}
void Player::markThunderball(int number) {
    clickCell(kLastMainNumber + number, false);
}

void Player::chooseSystem(const QString& description) {
    auto* list = control<QComboBox>(&m_main, "ComboBox1");
    ASSERT_NE(list, nullptr);
    const int row = list->findText(description, Qt::MatchStartsWith);
    ASSERT_GE(row, 0) << "no system \"" << description.toStdString() << "\" in the list";
    pickIn(&m_main, "ComboBox1", list->itemText(row));
}

void Player::chooseMenuItem(const QString& menu, const QString& item) {
    QMenuBar* bar = m_main.menuBar();
    QAction* title = nullptr;
    for (QAction* action : bar->actions())
        if (action->text() == menu)
            title = action;
    ASSERT_NE(title, nullptr) << "no menu " << menu.toStdString();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(title).center());
    QMenu* opened = title->menu();
    ASSERT_TRUE(QTest::qWaitFor([opened] { return opened->isVisible(); }))
        << "the menu " << menu.toStdString() << " did not open";
    for (QAction* action : opened->actions())
        if (action->text() == item) {
            QTest::mouseClick(opened, Qt::LeftButton, {}, opened->actionGeometry(action).center());
            return;
        }
    ADD_FAILURE() << "no item " << item.toStdString() << " in the menu " << menu.toStdString();
    opened->close();
}

std::set<int> Player::markedNumbers() const {
    return cellsShowing(&m_main, 1, kLastMainNumber, CellPicture::Selected);
}
std::set<int> Player::fixedNumbers() const {
    return cellsShowing(&m_main, 1, kLastMainNumber, CellPicture::Fixed);
}
std::set<int> Player::markedThunderballs() const {
    return cellsShowing(&m_main, kLastMainNumber + 1, kLastMainNumber + kLastThunderball,
                        CellPicture::Selected);
}
QString Player::chosenSystem() const {
    const auto* list = control<QComboBox>(&m_main, "ComboBox1");
    return list ? list->currentText() : QString();
}

void Player::whenWindowOpens(const char* objectName, std::function<void(QWidget*)> play) {
    const QString name = QLatin1String(objectName);
    playWhenOnTop(
        name, [name](QWidget* modal) { return modal->objectName() == name; }, std::move(play));
}

void Player::whenMessageOpens(const QString& text) {
    whenMessagesOpen(text, 1, {});
}

void Player::whenMessagesOpen(const QString& text, int times, std::function<void()> beforeEach) {
    if (times <= 0)
        return;
    playWhenOnTop(
        QStringLiteral("the message \"%1\"").arg(text),
        [text](QWidget* modal) {
            const auto* box = qobject_cast<QMessageBox*>(modal);
            return box && box->text() == text;
        },
        [=](QWidget* modal) {
            if (beforeEach)
                beforeEach();
            QTest::mouseClick(qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Ok),
                              Qt::LeftButton);
            // Waited for only now, so this box is not taken for the next one.
            whenMessagesOpen(text, times - 1, beforeEach);
        });
}

void Player::whenMessageStartingWithOpens(const QString& start, std::function<void()> then) {
    playWhenOnTop(
        QStringLiteral("a message starting \"%1\"").arg(start),
        [start](QWidget* modal) {
            const auto* box = qobject_cast<QMessageBox*>(modal);
            return box && box->text().startsWith(start);
        },
        [then](QWidget* modal) {
            // Queued before the click, which returns only once whatever it starts is over.
            if (then)
                then();
            QTest::mouseClick(qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Ok),
                              Qt::LeftButton);
        });
}

void Player::pressIn(QWidget* window, const char* button) {
    if (auto* found = control<QAbstractButton>(window, button))
        QTest::mouseClick(found, Qt::LeftButton);
}

void Player::pickIn(QWidget* window, const char* list, const QString& entry) {
    auto* box = control<QComboBox>(window, list);
    ASSERT_NE(box, nullptr);
    const int row = box->findText(entry, Qt::MatchExactly);
    ASSERT_GE(row, 0) << "no entry \"" << entry.toStdString() << "\" in " << list;
    // Open the list with the mouse, walk down to the entry with the keyboard and press Enter.
    QTest::mouseClick(box, Qt::LeftButton);
    QAbstractItemView* view = box->view();
    ASSERT_TRUE(QTest::qWaitFor([view] { return view->isVisible(); }))
        << "the list " << list << " did not open";
    QTest::keyClick(view, Qt::Key_Home);
    for (int step = 0; step < row; ++step)
        QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([view] { return !view->isVisible(); }));
    EXPECT_EQ(box->currentIndex(), row) << "picked \"" << entry.toStdString() << "\" in " << list;
}

void Player::typeIn(QWidget* window, const char* field, const QString& text) {
    auto* edit = control<QLineEdit>(window, field);
    ASSERT_NE(edit, nullptr);
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
}

QString Player::labelIn(const QWidget* window, const char* name) {
    const auto* found = control<QLabel>(window, name);
    return found ? found->text() : QString();
}

QString Player::fieldIn(const QWidget* window, const char* name) {
    const auto* found = control<QLineEdit>(window, name);
    return found ? found->text() : QString();
}

void Player::clickLineIn(QWidget* window, const char* list, const QString& line) {
    auto* found = control<QListWidget>(window, list);
    ASSERT_NE(found, nullptr);
    const QList<QListWidgetItem*> items = found->findItems(line, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << "\"" << line.toStdString() << "\" in " << list;
    found->scrollToItem(items.first());
    QTest::mouseClick(found->viewport(), Qt::LeftButton, {},
                      found->visualItemRect(items.first()).center());
}

QStringList Player::linesIn(const QWidget* window, const char* list) {
    QStringList lines;
    if (const auto* found = control<QListWidget>(window, list))
        for (int row = 0; row < found->count(); ++row)
            lines << found->item(row)->text();
    return lines;
}

std::set<int> Player::numbersShownIn(const QWidget* window) {
    return cellsShowing(window, 1, kLastMainNumber, CellPicture::Selected);
}
std::set<int> Player::thunderballsShownIn(const QWidget* window) {
    return cellsShowing(window, kLastMainNumber + 1, kLastMainNumber + kLastThunderball,
                        CellPicture::Selected);
}

} // namespace orvane::test
