#include "wheelmaker/make_wheel_window.h"

#include "common/open_path_dialog.h"
#include "common/prompts.h"
#include "common/window_style.h"
#include "playerdata/player_database.h"
#include "prizes/money_text.h"
#include "prizes/stored_prizes.h"
#include "prizes/wheel_profile_texts.h"
#include "wheelmaker/wheel_file.h"
#include "wheels/player_wheel_store.h"
#include "wheels/selection_grid.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>

namespace orvane {

namespace {

// More boards than this is a wheel few players pay for: said before the search starts.
constexpr int kCostlyBoards = 1000;
// The most a cap may ask for.
constexpr int kMostBoardsCapped = 20000;

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

QPushButton* button(QWidget* parent, const char* name, const char* caption) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QLabel* line(QWidget* parent, const char* name, bool bold = false) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(WindowFont(bold));
    label->setWordWrap(true);
    return label;
}

QString promiseText(int k, int m) {
    return QStringLiteral("%1 if %2").arg(k).arg(m);
}

} // namespace

// The search on a thread of its own. Its progress comes back to the window through queued calls,
// which the window's destruction cancels; the window joins the thread before it goes.
struct MakeWheelWindow::Search {
    std::atomic<bool> stop{false};
    std::thread thread;
};

MakeWheelWindow::MakeWheelWindow(const SelectionGrid& grid, PlayerWheelStore& wheels,
                                 PrizeStore& prizes, Prompts& prompts, OpenPathDialog& openPath,
                                 QWidget* parent)
    : QDialog(parent), m_grid(grid), m_wheels(wheels), m_prizes(prizes), m_prompts(prompts),
      m_openPath(openPath) {
    setObjectName(QStringLiteral("MakeWheel"));
    FrameDialog(
        this,
        {.title = QStringLiteral("Make a wheel"), .sizing = DialogSizing::Laid, .bold = true});
    buildControls();
}

MakeWheelWindow::~MakeWheelWindow() {
    endSearch();
}

void MakeWheelWindow::buildControls() {
    auto* layout = new QVBoxLayout(this);

    auto* asked = new QGroupBox(QStringLiteral("The wheel you want"), this);
    asked->setObjectName(QStringLiteral("grequest"));
    auto* form = new QFormLayout(asked);
    m_numbers = new QSpinBox(asked);
    m_numbers->setObjectName(QStringLiteral("snumbers"));
    m_numbers->setRange(6, wheelmaker::kMostNumbers);
    m_fixed = new QSpinBox(asked);
    m_fixed->setObjectName(QStringLiteral("sfixed"));
    m_fixed->setRange(0, wheelmaker::kNumbersPerBoard - 1);
    auto* marked = button(asked, "bmarked", "Take the numbers marked");
    auto* counts = new QHBoxLayout;
    counts->addWidget(m_numbers);
    counts->addWidget(new QLabel(QStringLiteral("of them fixed:"), asked));
    counts->addWidget(m_fixed);
    counts->addWidget(marked);
    counts->addStretch();
    form->addRow(QStringLiteral("Numbers:"), counts);
    m_promise = new QComboBox(asked);
    m_promise->setObjectName(QStringLiteral("cpromise"));
    m_promise->setAccessibleName(QStringLiteral("Promise"));
    form->addRow(QStringLiteral("Promise:"), m_promise);
    m_capped = new QCheckBox(QStringLiteral("At most"), asked);
    m_capped->setObjectName(QStringLiteral("ccapped"));
    m_cap = new QSpinBox(asked);
    m_cap->setObjectName(QStringLiteral("scap"));
    m_cap->setRange(1, kMostBoardsCapped);
    m_cap->setValue(20);
    m_cap->setSuffix(QStringLiteral(" boards"));
    m_cap->setAccessibleName(QStringLiteral("Most boards"));
    auto* cap = new QHBoxLayout;
    cap->addWidget(m_capped);
    cap->addWidget(m_cap);
    cap->addStretch();
    form->addRow(QStringLiteral("Boards:"), cap);
    m_seconds = new QSpinBox(asked);
    m_seconds->setObjectName(QStringLiteral("sseconds"));
    m_seconds->setRange(1, 600);
    m_seconds->setValue(10);
    m_seconds->setSuffix(QStringLiteral(" s"));
    m_seconds->setAccessibleName(QStringLiteral("Search for at most"));
    form->addRow(QStringLiteral("Search for at most:"), m_seconds);
    layout->addWidget(asked);

    m_known = line(this, "lknown");
    m_warning = line(this, "lwarning", true);
    m_warning->setStyleSheet(QStringLiteral("color: #a00000"));
    layout->addWidget(m_known);
    layout->addWidget(m_warning);

    auto* found = new QGroupBox(QStringLiteral("The best proven wheel so far"), this);
    found->setObjectName(QStringLiteral("gfound"));
    auto* foundLayout = new QVBoxLayout(found);
    m_best = line(found, "lbest", true);
    m_elapsed = line(found, "lelapsed");
    foundLayout->addWidget(m_best);
    foundLayout->addWidget(m_elapsed);
    auto* nameRow = new QHBoxLayout;
    auto* nameCaption = new QLabel(QStringLiteral("Name:"), found);
    m_name = new QLineEdit(found);
    m_name->setObjectName(QStringLiteral("ename"));
    m_name->setMaxLength(40);
    m_name->setAccessibleName(QStringLiteral("Name of the wheel"));
    nameCaption->setBuddy(m_name);
    nameRow->addWidget(nameCaption);
    nameRow->addWidget(m_name, 1);
    foundLayout->addLayout(nameRow);
    layout->addWidget(found);

    auto* yours = new QGroupBox(QStringLiteral("Your wheels"), this);
    yours->setObjectName(QStringLiteral("gyours"));
    auto* yoursLayout = new QVBoxLayout(yours);
    auto* yoursRow = new QHBoxLayout;
    m_yours = new QComboBox(yours);
    m_yours->setObjectName(QStringLiteral("cyours"));
    m_yours->setAccessibleName(QStringLiteral("Your wheels"));
    auto* rename = button(yours, "brename", "Rename");
    rename->setToolTip(QStringLiteral("Give the wheel picked the name typed above"));
    auto* remove = button(yours, "bdelete", "Delete");
    auto* import = button(yours, "bimportwheel", "Import a wheel\u2026");
    import->setToolTip(QStringLiteral("Read a text file of boards made anywhere, prove the "
                                      "promises it keeps and add it to your wheels"));
    yoursRow->addWidget(m_yours, 1);
    yoursRow->addWidget(rename);
    yoursRow->addWidget(remove);
    yoursRow->addWidget(import);
    yoursLayout->addLayout(yoursRow);
    m_yoursSaid = line(yours, "lyours");
    yoursLayout->addWidget(m_yoursSaid);
    layout->addWidget(yours);
    connect(rename, &QPushButton::clicked, this, [this] { RenameWheel(); });
    connect(remove, &QPushButton::clicked, this, [this] { DeleteWheel(); });
    connect(import, &QPushButton::clicked, this, [this] { ImportWheel(); });

    auto* buttons = new QHBoxLayout;
    m_start = button(this, "bstart", "Start");
    m_stop = button(this, "bstop", "Stop");
    m_use = button(this, "buse", "Use this wheel");
    auto* back = button(this, "BitBtn1", "Return");
    back->setToolTip(QStringLiteral("Back to previous window"));
    for (QPushButton* b : {m_start, m_stop, m_use})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(back);
    layout->addLayout(buttons);
    for (QPushButton* b : {m_start, m_stop, m_use, back})
        b->setMinimumHeight(30);

    connect(marked, &QPushButton::clicked, this, [this] { takeMarkedNumbers(); });
    connect(m_numbers, &QSpinBox::valueChanged, this, [this] { fillPromises(); });
    connect(m_fixed, &QSpinBox::valueChanged, this, [this] { fillPromises(); });
    connect(m_promise, &QComboBox::currentIndexChanged, this, [this] { requestChanged(); });
    connect(m_capped, &QCheckBox::toggled, this, [this] { requestChanged(); });
    connect(m_cap, &QSpinBox::valueChanged, this, [this] { requestChanged(); });
    connect(m_start, &QPushButton::clicked, this, [this] { Start(); });
    connect(m_stop, &QPushButton::clicked, this, [this] { Stop(); });
    connect(m_use, &QPushButton::clicked, this, [this] { UseThisWheel(); });
    connect(back, &QPushButton::clicked, this, &QDialog::accept);
    m_stop->setEnabled(false);
    m_use->setEnabled(false);
}

void MakeWheelWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        listPlayerWheels();
        if (!isSearching() && !m_made)
            takeMarkedNumbers();
    }
    QDialog::showEvent(event);
}

void MakeWheelWindow::closeEvent(QCloseEvent* event) {
    // A search goes on only while the window is open: closing keeps the best wheel so far.
    Stop();
    QDialog::closeEvent(event);
}

void MakeWheelWindow::takeMarkedNumbers() {
    const int marked = m_grid.CountCells(CellKind::Main);
    const int fixed = m_grid.CountCells(CellKind::Fixed);
    if (marked >= m_numbers->minimum())
        m_numbers->setValue(marked);
    m_fixed->setValue(std::min(fixed, m_fixed->maximum()));
    fillPromises();
}

void MakeWheelWindow::fillPromises() {
    const QString before = m_promise->currentText();
    const QSignalBlocker blocker(m_promise);
    m_promise->clear();
    wheelmaker::WheelRequest asked;
    asked.numbers = m_numbers->value();
    asked.fixed = m_fixed->value();
    // Only the promises that make sense for these numbers: a fixed number counts among the k.
    for (int m = 5; m >= 2; --m)
        for (int k = m; k >= 2; --k) {
            asked.k = k;
            asked.m = m;
            if (wheelmaker::RequestFault(asked).empty())
                m_promise->addItem(promiseText(k, m), QPoint(k, m));
        }
    const int again = m_promise->findText(before);
    m_promise->setCurrentIndex(again >= 0 ? again : m_promise->findText(QStringLiteral("3 if 5")));
    if (m_promise->currentIndex() < 0 && m_promise->count() > 0)
        m_promise->setCurrentIndex(0);
    requestChanged();
}

wheelmaker::WheelRequest MakeWheelWindow::request() const {
    wheelmaker::WheelRequest asked;
    asked.numbers = m_numbers->value();
    asked.fixed = m_fixed->value();
    const QPoint promise = m_promise->currentData().toPoint();
    asked.k = promise.x();
    asked.m = promise.y();
    if (m_capped->isChecked())
        asked.boardCap = m_cap->value();
    return asked;
}

QString MakeWheelWindow::moneyOfBoards(int boards) const {
    const std::int64_t lines =
        static_cast<std::int64_t>(boards) * std::max(1, LinesPerBoard(m_grid));
    return text(MoneyText(lines * m_prizes.table().pricePerBoard));
}

void MakeWheelWindow::requestChanged() {
    if (isSearching())
        return;
    const wheelmaker::WheelRequest asked = request();
    const std::string fault = wheelmaker::RequestFault(asked);
    m_start->setEnabled(fault.empty() && m_promise->count() > 0);
    m_cap->setEnabled(m_capped->isChecked());
    if (!fault.empty() || m_promise->count() == 0) {
        m_known->clear();
        m_warning->setText(
            text(fault.empty() ? "No promise makes sense for these numbers." : fault));
        return;
    }
    const wheelmaker::KnownSizes known = wheelmaker::KnownSizesFor(asked);
    m_known->setText(
        known.bestKnown
            ? QStringLiteral("The best wheel known for %1 on %2 numbers has %3 boards (%4); "
                             "none can have fewer than %5.")
                  .arg(promiseText(asked.k, asked.m))
                  .arg(asked.numbers)
                  .arg(*known.bestKnown)
                  .arg(text(known.source))
                  .arg(known.lowerBound)
            : QStringLiteral("No wheel is known for %1 on %2 numbers; none can have fewer than "
                             "%3 boards.")
                  .arg(promiseText(asked.k, asked.m))
                  .arg(asked.numbers)
                  .arg(known.lowerBound));
    const int expected = known.bestKnown.value_or(known.lowerBound);
    m_warning->setText(
        expected >= kCostlyBoards && !asked.boardCap
            ? QStringLiteral("Such a wheel takes %1 boards or more, %2 a draw: set a most "
                             "number of boards, or ask for less.")
                  .arg(expected)
                  .arg(moneyOfBoards(expected))
            : QString());
    m_name->setText(
        QStringLiteral("%1 on %2 numbers").arg(promiseText(asked.k, asked.m)).arg(asked.numbers));
}

void MakeWheelWindow::Start() {
    if (isSearching() || !m_start->isEnabled())
        return;
    const wheelmaker::WheelRequest asked = request();
    m_made.reset();
    m_madeFor = asked;
    m_search = std::make_unique<Search>();
    wheelmaker::MakeOptions options;
    options.timeLimit = std::chrono::seconds(m_seconds->value());
    options.stop = &m_search->stop;
    const QPointer<MakeWheelWindow> window(this);
    options.progress = [window](const wheelmaker::WheelProgress& progress) {
        QMetaObject::invokeMethod(
            window.data(),
            [window, progress] {
                if (window)
                    window->showProgress(progress);
            },
            Qt::QueuedConnection);
    };
    // The best known size ends the search: no need to go on looking below it.
    options.enoughBoards = wheelmaker::KnownSizesFor(asked).bestKnown;
    auto result = std::make_shared<wheelmaker::MadeWheel>();
    m_search->thread = std::thread([asked, options, result, window] {
        *result = wheelmaker::MakeWheel(asked, options);
        QMetaObject::invokeMethod(
            window.data(),
            [window, result] {
                if (!window)
                    return;
                window->m_made = std::move(*result);
                window->searchEnded();
            },
            Qt::QueuedConnection);
    });
    for (QWidget* w : std::initializer_list<QWidget*>{m_start, m_use, m_numbers, m_fixed, m_promise,
                                                      m_capped, m_cap, m_seconds})
        w->setEnabled(false);
    m_stop->setEnabled(true);
    m_best->setText(QStringLiteral("Searching\u2026"));
    m_elapsed->clear();
}

void MakeWheelWindow::Stop() {
    if (m_search)
        m_search->stop = true;
}

void MakeWheelWindow::endSearch() {
    if (!m_search)
        return;
    m_search->stop = true;
    if (m_search->thread.joinable())
        m_search->thread.join();
    m_search.reset();
}

void MakeWheelWindow::showProgress(const wheelmaker::WheelProgress& progress) {
    if (!isSearching())
        return;
    if (progress.boards > 0) {
        QString best = QStringLiteral("%1 boards, %2 a draw")
                           .arg(progress.boards)
                           .arg(moneyOfBoards(progress.boards));
        if (!progress.keepsPromise)
            best += QStringLiteral(", keeping the promise in %1 % of its cases")
                        .arg(100.0 * progress.shareMet, 0, 'f', 2);
        m_best->setText(best);
    }
    m_elapsed->setText(QStringLiteral("%1 s").arg(progress.seconds, 0, 'f', 1));
}

void MakeWheelWindow::searchEnded() {
    endSearch();
    for (QWidget* w : std::initializer_list<QWidget*>{m_start, m_numbers, m_fixed, m_promise,
                                                      m_capped, m_seconds})
        w->setEnabled(true);
    m_cap->setEnabled(m_capped->isChecked());
    m_stop->setEnabled(false);
    showMade();
}

void MakeWheelWindow::showMade() {
    if (!m_made || !m_madeFor)
        return;
    const wheelmaker::MadeWheel& made = *m_made;
    if (!made.fault.empty() || made.boards.empty()) {
        m_best->setText(text(made.fault.empty() ? "No wheel was found." : made.fault));
        m_use->setEnabled(false);
        return;
    }
    const int boards = static_cast<int>(made.boards.size());
    QString best = QStringLiteral("%1 boards, %2 a draw, proven over all %3 cases")
                       .arg(boards)
                       .arg(moneyOfBoards(boards))
                       .arg(made.proof.cases);
    if (!made.keepsPromise())
        best = QStringLiteral("%1 boards, %2 a draw: the promise holds in %3 % of its %4 cases")
                   .arg(boards)
                   .arg(moneyOfBoards(boards))
                   .arg(100.0 * made.proof.shareMet(), 0, 'f', 2)
                   .arg(made.proof.cases);
    if (made.known.bestKnown)
        best += QStringLiteral("; the best known has %1").arg(*made.known.bestKnown);
    m_best->setText(best);
    m_elapsed->setText(QStringLiteral("%1 s%2")
                           .arg(made.seconds, 0, 'f', 1)
                           .arg(made.stopped ? QStringLiteral(", stopped") : QString()));
    // A wheel kept among the player's systems must keep its promise.
    m_use->setEnabled(made.keepsPromise());
}

int MakeWheelWindow::UseThisWheel() {
    if (!m_made || !m_madeFor || !m_made->keepsPromise())
        return 0;
    WheelDesign design;
    design.numberCount = m_madeFor->numbers;
    design.fixedCount = m_madeFor->fixed;
    design.promise = {m_madeFor->k, m_madeFor->m};
    design.boards = m_made->boards;
    const PlayerWheelStore::Kept kept = m_wheels.keep(m_name->text().toStdString(), design);
    if (kept.problem != DatabaseProblem::None) {
        m_prompts.ask(SaveFailedPrompt());
        m_warning->setText(text(DatabaseProblemText(kept.problem, kPlayerDatabaseFileName)));
        return 0;
    }
    Q_EMIT wheelChosen(kept.index);
    accept();
    return kept.index;
}

void MakeWheelWindow::listPlayerWheels() {
    const int picked = pickedWheel();
    const QSignalBlocker blocker(m_yours);
    m_yours->clear();
    for (const int index : ListedPlayerWheels())
        if (const PlayerWheel* wheel = ShelvedPlayerWheel(index))
            m_yours->addItem(text(DescribePlayerWheel(*wheel)), index);
    const int again = m_yours->findData(picked);
    m_yours->setCurrentIndex(again >= 0 ? again : 0);
}

int MakeWheelWindow::pickedWheel() const {
    return m_yours->currentIndex() < 0 ? 0 : m_yours->currentData().toInt();
}

int MakeWheelWindow::RenameWheel() {
    const int index = pickedWheel();
    if (!index)
        return 0;
    const DatabaseProblem problem = m_wheels.rename(index, m_name->text().toStdString());
    if (problem != DatabaseProblem::None) {
        m_prompts.ask(SaveFailedPrompt());
        m_yoursSaid->setText(text(DatabaseProblemText(problem, kPlayerDatabaseFileName)));
        return 0;
    }
    listPlayerWheels();
    m_yoursSaid->setText(QStringLiteral("Renamed."));
    Q_EMIT wheelsChanged();
    return index;
}

int MakeWheelWindow::DeleteWheel() {
    const int index = pickedWheel();
    if (!index)
        return 0;
    const PlayerWheel* wheel = ShelvedPlayerWheel(index);
    if (m_prompts.ask({"Supprimer la roue \u00AB " + wheel->name + " \u00BB ?", "Roue",
                       PromptIcon::Question, PromptButtons::YesNo, false}) != PromptAnswer::Yes)
        return 0;
    const DatabaseProblem problem = m_wheels.remove(index);
    if (problem != DatabaseProblem::None) {
        m_prompts.ask(SaveFailedPrompt());
        m_yoursSaid->setText(text(DatabaseProblemText(problem, kPlayerDatabaseFileName)));
        return 0;
    }
    listPlayerWheels();
    m_yoursSaid->setText(QStringLiteral("Deleted."));
    Q_EMIT wheelsChanged();
    return index;
}

int MakeWheelWindow::ImportWheel() {
    const std::optional<std::string> path =
        m_openPath.askFileToRead("Import a wheel", "Wheel files (*.txt *.csv)");
    if (!path)
        return 0;
    const wheelmaker::ReadWheel read = wheelmaker::ReadWheelFile(*path);
    if (!read.fault.empty()) {
        m_yoursSaid->setText(text(read.fault + " : aucune roue ajout\u00E9e"));
        return 0;
    }
    QStringList promises;
    for (const Guarantee& kept : read.kept)
        promises << promiseText(kept.k, kept.m);
    const std::string name =
        QFileInfo(QString::fromStdString(*path)).completeBaseName().toStdString();
    const PlayerWheelStore::Kept kept = m_wheels.keep(name, read.design);
    if (kept.problem != DatabaseProblem::None) {
        m_prompts.ask(SaveFailedPrompt());
        m_yoursSaid->setText(text(DatabaseProblemText(kept.problem, kPlayerDatabaseFileName)));
        return 0;
    }
    listPlayerWheels();
    m_yours->setCurrentIndex(m_yours->findData(kept.index));
    m_yoursSaid->setText(QStringLiteral("%1 boards on %2 numbers%3, proven to keep %4.")
                             .arg(read.design.boards.size())
                             .arg(read.design.numberCount)
                             .arg(read.design.fixedCount
                                      ? QStringLiteral(", %1 fixed").arg(read.design.fixedCount)
                                      : QString())
                             .arg(promises.join(QStringLiteral(", "))));
    Q_EMIT wheelChosen(kept.index);
    return kept.index;
}

} // namespace orvane
