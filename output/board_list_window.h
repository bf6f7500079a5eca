#pragma once
// The window listing every board of the chosen system, one line a board, from which the list is
// printed and ticket printing is opened.

#include <QDialog>

class QListWidget;

namespace orvane {

struct AppWindows;
struct Session;
class Prompts;
class PrintCanvas;

class BoardListWindow final : public QDialog {
    Q_OBJECT
  public:
    BoardListWindow(Session& session, Prompts& prompts, PrintCanvas& canvas, AppWindows& windows,
                    QWidget* parent = nullptr);

    void imprimeliste();      // prints the list of boards
    void bimprimebulletins(); // opens the print options window, without a selection check

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void SetListCaptions();
    void FillBoardList();

    Session& m_session;
    Prompts& m_prompts;
    PrintCanvas& m_canvas;
    AppWindows& m_windows;
    QListWidget* m_list;
};

} // namespace orvane
