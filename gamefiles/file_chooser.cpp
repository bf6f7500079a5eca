#include "gamefiles/file_chooser.h"

#include "common/pictures.h"
#include "common/window_style.h"
#include "gamefiles/folder_chain.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStorageInfo>

namespace orvane {

namespace {

constexpr QSize kClientSize(399, 253);

// The root file system stands in for the drive every machine has.
const QString kRootDrive = QStringLiteral("/");

QPushButton* glyphButton(QWidget* parent, const char* name, bool ok, QRect geometry) {
    auto* b = new QPushButton(QIcon(ok ? TickGlyph() : CrossGlyph()), QString(), parent);
    b->setIconSize(QSize(16, 16));
    b->setObjectName(QLatin1String(name));
    b->setGeometry(geometry);
    // Enter on a button presses it, as in every dialog.
    b->setAutoDefault(true);
    return b;
}

bool isOnDrive(const QString& folder, const QString& root) {
    return root == kRootDrive || folder == root || folder.startsWith(root + QLatin1Char('/'));
}

bool isReady(const QString& root) {
    QStorageInfo drive(root);
    drive.refresh();
    return drive.isValid() && drive.isReady() && drive.rootPath() == root;
}

} // namespace

FileChooser::FileChooser(const ChooserStart& start, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TForm6"));
    FrameDialog(this, {.title = QStringLiteral("Form6"),
                       .size = kClientSize,
                       .modal = true,
                       .backdrop = false,
                       .moreHints = Qt::WindowTitleHint});

    m_fileSystem = new QFileSystemModel(this);
    m_fileSystem->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_folders = new FolderChainModel(m_fileSystem, this);
    m_tree = new FolderChainView(this);
    m_tree->setObjectName(QStringLiteral("DirectoryListBox1"));
    m_tree->setModel(m_folders);
    m_tree->setGeometry(8, 8, 145, 206);
    m_tree->setHeaderHidden(true);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        m_tree->hideColumn(column);
    m_tree->setIndentation(10);
    m_tree->setRootIsDecorated(false);
    m_tree->setItemsExpandable(false);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(m_tree, &QTreeView::activated, this,
            [this](const QModelIndex& index) { openFolder(m_folders->pathOf(index)); });

    m_files = new QListWidget(this);
    m_files->setObjectName(QStringLiteral("FileListBox1"));
    m_files->setGeometry(161, 8, 145, 206);
    m_files->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(m_files, &QListWidget::itemSelectionChanged, this, [this] { pickFile(); });

    m_drives = new QComboBox(this);
    m_drives->setObjectName(QStringLiteral("DriveComboBox1"));
    m_drives->setGeometry(8, 223, 145, 22);
    for (const ChooserDrive& drive : start.drives)
        m_drives->addItem(drive.text, drive.root);
    connect(m_drives, &QComboBox::currentIndexChanged, this, [this] { changelect(); });

    m_name = new QLineEdit(QStringLiteral("*"), this);
    m_name->setObjectName(QStringLiteral("Edit1"));
    m_name->setGeometry(161, 223, 145, 22);
    connect(m_name, &QLineEdit::textEdited, this, [this] { m_nameFromPlayer = true; });

    auto* ok = glyphButton(this, "boutok", true, QRect(316, 8, 75, 25));
    ok->setText(QStringLiteral("Ok"));
    connect(ok, &QPushButton::clicked, this, [this] { boutokClick(); });
    // Enter anywhere else confirms, but in the folder list, where it opens the folder.
    ok->setDefault(true);
    auto* abort = glyphButton(this, "boutannule", false, QRect(316, 40, 75, 25));
    abort->setText(QStringLiteral("Abort"));
    connect(abort, &QPushButton::clicked, this, [this] { boutannuleClick(); });

    // The file system is read from the first showing on, not while the window is made.
    m_folder = QDir::cleanPath(start.folder);
}

void FileChooser::setCaption(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
}

void FileChooser::setNameReadOnly(bool readOnly) {
    m_name->setReadOnly(readOnly);
}

void FileChooser::setNameText(const std::string& text) {
    m_name->setText(QString::fromStdString(text));
    m_nameFromPlayer = false;
}

void FileChooser::showModal() {
    exec();
}

std::string FileChooser::nameText() const {
    return m_name->text().toStdString();
}

bool FileChooser::nameIsUntouchedMask() const {
    return !m_nameFromPlayer && m_name->text() == QStringLiteral("*");
}

void FileChooser::showDriveOf(const QString& folder) {
    int best = 0;
    for (int i = 0; i < m_drives->count(); ++i) {
        const QString root = m_drives->itemData(i).toString();
        if (isOnDrive(folder, root) && root.size() > m_drives->itemData(best).toString().size())
            best = i;
    }
    const QSignalBlocker blocker(m_drives);
    m_drives->setCurrentIndex(best);
    m_driveRoot = m_drives->itemData(best).toString();
}

void FileChooser::changelect() {
    QString root = m_drives->currentData().toString();
    if (!isReady(root)) {
        const QSignalBlocker blocker(m_drives);
        m_drives->setCurrentIndex(m_drives->findData(kRootDrive));
        root = kRootDrive;
    }
    m_driveRoot = root;
    openFolder(root);
}

void FileChooser::openFolder(const QString& path) {
    if (m_fileSystem->rootPath() != kRootDrive)
        m_fileSystem->setRootPath(kRootDrive);
    // A folder removed since it was chosen gives way to the nearest one still there.
    QDir dir(QDir::cleanPath(QDir(path).absolutePath()));
    while (!dir.exists() && !dir.isRoot())
        dir.setPath(QDir::cleanPath(dir.absoluteFilePath(QStringLiteral(".."))));
    m_folder = dir.absolutePath();
    // Only the drive list changes the drive: a mount point opened from the folder list is a folder
    // of the drive shown, whose chain from the drive's top stays. A folder off that drive (the
    // first one, or one whose drive has gone) brings the drive it lies on.
    if (m_driveRoot.isEmpty() || !isOnDrive(m_folder, m_driveRoot))
        showDriveOf(m_folder);
    showFolderInTree();
    readFileList();
}

void FileChooser::showFolderInTree() {
    m_folders->setFolder(m_folder);
    // The drive's own folder is the top line of the list.
    m_tree->setRootIndex(m_folders->indexOf(m_driveRoot).parent());
    const QModelIndex current = m_folders->indexOf(m_folder);
    for (QModelIndex up = current; up.isValid(); up = up.parent())
        m_tree->expand(up);
    m_tree->setCurrentIndex(current);
    m_tree->scrollTo(current);
}

void FileChooser::readFileList() {
    m_files->clear();
    // Hidden files (the temporaries of a save among them), system entries (sockets, devices,
    // broken links) and folders stay out.
    m_files->addItems(QDir(m_folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
    m_name->setText(QStringLiteral("*"));
    m_nameFromPlayer = false;
}

void FileChooser::pickFile() {
    const QList<QListWidgetItem*> picked = m_files->selectedItems();
    if (picked.isEmpty())
        return;
    m_name->setText(picked.first()->text());
    m_name->selectAll();
    m_nameFromPlayer = true;
}

void FileChooser::boutokClick() {
    m_chosen = true;
    accept();
}

void FileChooser::boutannuleClick() {
    reject();
}

void FileChooser::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        m_chosen = false;
        // Files saved since the last showing appear; the folder itself may have gone meanwhile.
        openFolder(m_folder);
        if (const QScreen* s = screen())
            move(s->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
}

} // namespace orvane
