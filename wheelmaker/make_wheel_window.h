#pragma once
// The window that makes the player's own wheel: how many numbers (those marked on the grid, or a
// count set here) and how many of them fixed, a promise that makes sense for them, and perhaps a
// most number of boards. Start runs the wheel maker on a thread of its own while the window keeps
// painting and shows the best proven wheel so far against the best known size; Stop keeps that
// wheel; "Use this wheel" adds it to the player's wheels and chooses it in the system list.

#include "wheelmaker/wheel_maker.h"

#include <QDialog>

#include <atomic>
#include <memory>
#include <optional>
#include <thread>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace orvane {

class OpenPathDialog;
class PlayerWheelStore;
class PrizeStore;
class Prompts;
class SelectionGrid;

class MakeWheelWindow final : public QDialog {
    Q_OBJECT
  public:
    // Takes its first request from what is marked on `grid`; keeps the wheel made in `wheels`;
    // prices a draw by the line price of `prizes`; asks which wheel file to import through
    // `openPath`.
    MakeWheelWindow(const SelectionGrid& grid, PlayerWheelStore& wheels, PrizeStore& prizes,
                    Prompts& prompts, OpenPathDialog& openPath, QWidget* parent = nullptr);
    ~MakeWheelWindow() override;

    void Start();
    void Stop();
    // Keeps the wheel made and tells the program to choose it; its index, or 0.
    int UseThisWheel();
    bool isSearching() const { return m_search != nullptr; }

    // The player's wheels, listed in the window: the one picked renamed to the name typed, or
    // deleted (after a question); a wheel made elsewhere read from a text file of boards, proven,
    // and kept under the file's name. Each gives the index it changed, or 0.
    int RenameWheel();
    int DeleteWheel();
    int ImportWheel();

  Q_SIGNALS:
    // A wheel was added to the player's wheels: the system list shows it, chosen.
    void wheelChosen(int systemIndex);
    // A wheel was renamed or deleted: the system list shows the player's wheels as they are.
    void wheelsChanged();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    struct Search;

    void buildControls();
    void takeMarkedNumbers();
    void fillPromises();
    void requestChanged();
    wheelmaker::WheelRequest request() const;
    void showProgress(const wheelmaker::WheelProgress& progress);
    void searchEnded();
    void showMade();
    void endSearch();
    QString moneyOfBoards(int boards) const;
    void listPlayerWheels();
    int pickedWheel() const;

    const SelectionGrid& m_grid;
    PlayerWheelStore& m_wheels;
    PrizeStore& m_prizes;
    Prompts& m_prompts;
    OpenPathDialog& m_openPath;

    std::unique_ptr<Search> m_search;
    std::optional<wheelmaker::MadeWheel> m_made;
    std::optional<wheelmaker::WheelRequest> m_madeFor;

    QSpinBox* m_numbers = nullptr;
    QSpinBox* m_fixed = nullptr;
    QComboBox* m_promise = nullptr;
    QCheckBox* m_capped = nullptr;
    QSpinBox* m_cap = nullptr;
    QSpinBox* m_seconds = nullptr;
    QLabel* m_known = nullptr;
    QLabel* m_warning = nullptr;
    QLabel* m_best = nullptr;
    QLabel* m_elapsed = nullptr;
    QLineEdit* m_name = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_stop = nullptr;
    QPushButton* m_use = nullptr;
    QComboBox* m_yours = nullptr;
    QLabel* m_yoursSaid = nullptr;
};

} // namespace orvane
