#pragma once
// A player at the keyboard and mouse: clicks the grid, picks from lists, presses buttons and
// menu items, types, and reads back what the windows show. Everything goes through the widgets
// a player sees; nothing reaches into the program's state.

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <functional>
#include <set>

namespace orvane::test {

class Player {
  public:
    explicit Player(QMainWindow& main) : m_main(main) {}

    void markNumber(int number);      // left click on a main number
    void fixNumber(int number);       // right click on a main number
    void markThunderball(int number); // left click on a Thunderball number
    void chooseSystem(const QString& description);
    void press(const char* button) { pressIn(&m_main, button); }
    void chooseMenuItem(const QString& menu, const QString& item);

    // What the main window shows.
    QString label(const char* name) const { return labelIn(&m_main, name); }
    std::set<int> markedNumbers() const;
    std::set<int> fixedNumbers() const;
    std::set<int> markedThunderballs() const;
    QString chosenSystem() const;

    // Runs `play` on the window `objectName` once it opens above the window on top now, before
    // the call that opens it returns. Queue it before that call. Any other window that opens
    // instead (a message box above all) is a test failure and is closed, so a wrong turn cannot
    // hang the test.
    static void whenWindowOpens(const char* objectName, std::function<void(QWidget*)> play);
    // Answers the message box with `text` by pressing its OK button.
    static void whenMessageOpens(const QString& text);
    // Answers `times` message boxes with `text` as each opens in turn, running `beforeEach`
    // while the box is shown and then pressing its OK button.
    static void whenMessagesOpen(const QString& text, int times, std::function<void()> beforeEach);
    // Presses OK in the message whose text starts with `start`, then runs `then`.
    static void whenMessageStartingWithOpens(const QString& start, std::function<void()> then);

    // Controls of any window, found by name.
    static void pressIn(QWidget* window, const char* button);
    static void pickIn(QWidget* window, const char* list, const QString& entry);
    static void clickLineIn(QWidget* window, const char* list, const QString& line);
    static void typeIn(QWidget* window, const char* field, const QString& text);
    static QString labelIn(const QWidget* window, const char* name);
    static QString fieldIn(const QWidget* window, const char* name);
    static QStringList linesIn(const QWidget* window, const char* list);
    // The main and Thunderball numbers a ticket picture shows marked.
    static std::set<int> numbersShownIn(const QWidget* window);
    static std::set<int> thunderballsShownIn(const QWidget* window);

  private:
    void clickCell(int cell, bool right);

    QMainWindow& m_main;
};

} // namespace orvane::test
