#include "gamefiles/file_chooser.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QSortFilterProxyModel>
#include <QStorageInfo>
#include <QTreeView>

namespace orvane {

namespace {

constexpr QSize kClientSize(399, 253);

// The root file system stands in for the drive every machine has.
const QString kRootDrive = QStringLiteral("/");

QFont windowFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    return font;
}

QPixmap glyph(bool ok) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (ok) {
        p.setPen(QPen(QColor(0, 140, 0), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(2.5, 8.5), QPointF(6.5, 12.5), QPointF(13.5, 3.5)}));
    } else {
        p.setPen(QPen(QColor(200, 0, 0), 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    }
    return pixmap;
}

QPushButton* glyphButton(QWidget* parent, const char* name, bool ok, QRect geometry) {
    auto* b = new QPushButton(QIcon(glyph(ok)), QString(), parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(geometry);
    // Enter in the folder list opens a folder; it must not also press a button.
    b->setAutoDefault(false);
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

// A closed folder, or an open one for the folders of the chain down to the current folder.
QPixmap folderGlyph(bool open) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(150, 110, 20));
    p.setBrush(QColor(240, 200, 80));
    p.drawRect(QRectF(1.5, 3.5, 6, 3));
    if (open) {
        p.drawRect(QRectF(1.5, 5.5, 12, 8));
        p.setBrush(QColor(255, 225, 120));
        p.drawPolygon(QPolygonF(
            {QPointF(3.5, 8.5), QPointF(15.5, 8.5), QPointF(13.5, 13.5), QPointF(1.5, 13.5)}));
    } else {
        p.drawRect(QRectF(1.5, 5.5, 13, 8));
    }
    return pixmap;
}

// The folder list is always open along the chain; it has no branches to click.
class FolderLines final : public QTreeView {
  public:
    using QTreeView::QTreeView;

  protected:
    void drawBranches(QPainter*, const QRect&, const QModelIndex&) const override {}
};

bool isAncestorOrSelf(const QString& path, const QString& folder) {
    return path == folder ||
           folder.startsWith(path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/'));
}

} // namespace

// Shows the folder list the way a drive's folder list reads: the chain of folders from the drive
// down to the current folder, then the current folder's own subfolders.
class FolderChainFilter final : public QSortFilterProxyModel {
  public:
    explicit FolderChainFilter(QFileSystemModel* folders, QObject* parent)
        : QSortFilterProxyModel(parent), m_folders(folders) {
        setSourceModel(folders);
    }

    void setFolder(const QString& folder) {
        m_folder = folder;
        invalidateFilter();
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::DecorationRole && index.column() == 0) {
            static const QPixmap open = folderGlyph(true);
            static const QPixmap closed = folderGlyph(false);
            return isAncestorOrSelf(pathOf(index), m_folder) ? open : closed;
        }
        return QSortFilterProxyModel::data(index, role);
    }
    QString pathOf(const QModelIndex& index) const {
        return m_folders->filePath(mapToSource(index));
    }
    QModelIndex indexOf(const QString& path) const { return mapFromSource(m_folders->index(path)); }

    // Only the chain opens further: the subfolders of the current folder are its leaves.
    bool hasChildren(const QModelIndex& parent) const override {
        return !parent.isValid() || (isAncestorOrSelf(pathOf(parent), m_folder) &&
                                     QSortFilterProxyModel::hasChildren(parent));
    }
    bool canFetchMore(const QModelIndex& parent) const override {
        return (!parent.isValid() || isAncestorOrSelf(pathOf(parent), m_folder)) &&
               QSortFilterProxyModel::canFetchMore(parent);
    }

  protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        const QString path = m_folders->filePath(m_folders->index(row, 0, parent));
        return isAncestorOrSelf(path, m_folder) || m_folders->filePath(parent) == m_folder;
    }

  private:
    QFileSystemModel* m_folders;
    QString m_folder;
};

FileChooser::FileChooser(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TForm6"));
    setWindowTitle(QStringLiteral("Form6"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(kClientSize);
    setFont(windowFont());

    auto* folders = new QFileSystemModel(this);
    folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    folders->setRootPath(kRootDrive);
    m_folders = new FolderChainFilter(folders, this);
    m_tree = new FolderLines(this);
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
    fillDrives();
    connect(m_drives, &QComboBox::currentIndexChanged, this, [this] { changelect(); });

    m_name = new QLineEdit(QStringLiteral("*"), this);
    m_name->setObjectName(QStringLiteral("Edit1"));
    m_name->setGeometry(161, 223, 145, 22);

    auto* ok = glyphButton(this, "boutok", true, QRect(316, 8, 75, 25));
    ok->setText(QStringLiteral("Ok"));
    connect(ok, &QPushButton::clicked, this, [this] { boutokClick(); });
    auto* abort = glyphButton(this, "boutannule", false, QRect(316, 40, 75, 25));
    connect(abort, &QPushButton::clicked, this, [this] { boutannuleClick(); });

    // FormCreate: cancelled until Ok is pressed; the program names the cancel button.
    m_chosen = false;
    abort->setText(QStringLiteral("Abort"));
    openFolder(QDir::currentPath());
}

void FileChooser::setCaption(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
}

void FileChooser::setNameReadOnly(bool readOnly) {
    m_name->setReadOnly(readOnly);
}

void FileChooser::setNameText(const std::string& text) {
    m_name->setText(QString::fromStdString(text));
}

void FileChooser::showModal() {
    exec();
}

std::string FileChooser::nameText() const {
    return m_name->text().toStdString();
}

void FileChooser::fillDrives() {
    m_drives->addItem(kRootDrive, kRootDrive);
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (!volume.isValid() || !volume.isReady() || m_drives->findData(root) >= 0)
            continue;
        const QString name = volume.name();
        m_drives->addItem(name.isEmpty() ? root : QStringLiteral("%1 [%2]").arg(root, name), root);
    }
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
    openFolder(root);
}

void FileChooser::openFolder(const QString& path) {
    // A folder removed since it was chosen gives way to the nearest one still there.
    QDir dir(QDir::cleanPath(QDir(path).absolutePath()));
    while (!dir.exists() && !dir.isRoot())
        dir.setPath(QDir::cleanPath(dir.absoluteFilePath(QStringLiteral(".."))));
    m_folder = dir.absolutePath();
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
    // Hidden files, system entries (sockets, devices, broken links) and folders stay out.
    m_files->addItems(QDir(m_folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
    m_name->setText(QStringLiteral("*"));
}

void FileChooser::pickFile() {
    const QList<QListWidgetItem*> picked = m_files->selectedItems();
    if (picked.isEmpty())
        return;
    m_name->setText(picked.first()->text());
    m_name->selectAll();
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
