#pragma once
// The window of past draws: the draws kept, newest first; importing more from the operator's
// download or a plain text file, with every refused line and its reason; and checking the boards
// of the chosen system against every draw kept, with what each draw would have paid and what
// playing them all would have cost and won.

#include "common/on_first_use.h"
#include "results/draw_history_check.h"
#include "results/draw_history_import.h"
#include "wheels/system_boards.h"

#include <QDialog>

#include <array>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTableView;
class QTableWidget;

namespace orvane {

struct DownloadOutcome;
class DrawDownload;
class DrawHistoryChartsWindow;
class DrawHistoryModel;
class DrawHistoryStore;
class OpenPathDialog;
class PrizeStore;
class Prompts;
class SavePathDialog;

class DrawHistoryWindow final : public QDialog {
    Q_OBJECT
  public:
    // Keeps its draws in `store`, asks for files to import through `openPath` and where to export
    // through `savePath`, and checks the boards of the system chosen in `boards.list`, built by
    // `boards.run` from `boards.grid`, by the prize table of `prizes`.
    DrawHistoryWindow(SystemBoards boards, DrawHistoryStore& store, PrizeStore& prizes,
                      Prompts& prompts, OpenPathDialog& openPath, SavePathDialog& savePath,
                      QWidget* parent = nullptr);

    // Asks for a file and adds its draws; says what was added, kept already and refused.
    void Import();
    // Fetches the operator's draw file in the background, with a progress bar and Cancel, and
    // imports what came as a file is imported; says in French why nothing came.
    void DownloadLatestDraws();
    DrawDownload& download() { return *m_download; }
    // Opens the charts of the draws shown and of their check, beside the window.
    void ShowCharts();
    DrawHistoryChartsWindow* charts() const { return m_charts.ifMade(); }
    // Asks where, and writes every draw kept there as plain text lines.
    void ExportDraws();
    // After the selection check of the comparison, every board against every draw kept.
    void CheckEveryDraw();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void buildControls();
    DrawHistoryChartsWindow* makeCharts();
    void showDraws();
    // Adds the draws of a file read, or of a download, and says what was added and refused.
    void importReading(const DrawFileReading& reading);
    void downloadFinished(const DownloadOutcome& outcome);
    void showTotals();
    // What the store has to say once, and why the draws could not be read, above the list.
    void showNotices();

    SystemBoards m_boards;
    DrawHistoryStore& m_store;
    PrizeStore& m_prizes;
    Prompts& m_prompts;
    OpenPathDialog& m_openPath;
    SavePathDialog& m_savePath;

    DrawHistoryModel* m_model = nullptr;
    QLabel* m_stored = nullptr;
    QTableView* m_table = nullptr;
    QTableWidget* m_totals = nullptr;
    QLabel* m_system = nullptr;
    QLabel* m_spent = nullptr;
    QLabel* m_won = nullptr;
    QLabel* m_net = nullptr;
    QLabel* m_best = nullptr;
    QLabel* m_report = nullptr;
    QListWidget* m_refused = nullptr;
    DrawDownload* m_download = nullptr;
    QPushButton* m_downloadButton = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_cancel = nullptr;
    // Made by the first "Charts".
    OnFirstUse<DrawHistoryChartsWindow> m_charts{[this] { return makeCharts(); }};
};

} // namespace orvane
