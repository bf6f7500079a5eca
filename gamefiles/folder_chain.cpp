#include "gamefiles/folder_chain.h"

#include "common/pictures.h"

#include <QFileSystemModel>
#include <QKeyEvent>
#include <QPainter>

namespace orvane {

namespace {

bool isAncestorOrSelf(const QString& path, const QString& folder) {
    return path == folder ||
           folder.startsWith(path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/'));
}

// A closed folder, or an open one for the folders of the chain.
QPixmap folderGlyph(bool open) {
    QPixmap pixmap = BlankPicture(16, 16);
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

} // namespace

FolderChainModel::FolderChainModel(QFileSystemModel* folders, QObject* parent)
    : QSortFilterProxyModel(parent), m_folders(folders) {
    setSourceModel(folders);
}

void FolderChainModel::setFolder(const QString& folder) {
    m_folder = folder;
    invalidateFilter();
}

QString FolderChainModel::pathOf(const QModelIndex& index) const {
    return m_folders->filePath(mapToSource(index));
}

QModelIndex FolderChainModel::indexOf(const QString& path) const {
    return mapFromSource(m_folders->index(path));
}

bool FolderChainModel::isOnChain(const QModelIndex& index) const {
    return isAncestorOrSelf(pathOf(index), m_folder);
}

QVariant FolderChainModel::data(const QModelIndex& index, int role) const {
    if (role == Qt::DecorationRole && index.column() == 0) {
        static const QPixmap open = folderGlyph(true);
        static const QPixmap closed = folderGlyph(false);
        return isOnChain(index) ? open : closed;
    }
    return QSortFilterProxyModel::data(index, role);
}

bool FolderChainModel::hasChildren(const QModelIndex& parent) const {
    return !parent.isValid() || (isOnChain(parent) && QSortFilterProxyModel::hasChildren(parent));
}

bool FolderChainModel::canFetchMore(const QModelIndex& parent) const {
    return (!parent.isValid() || isOnChain(parent)) && QSortFilterProxyModel::canFetchMore(parent);
}

bool FolderChainModel::filterAcceptsRow(int row, const QModelIndex& parent) const {
    const QString path = m_folders->filePath(m_folders->index(row, 0, parent));
    return isAncestorOrSelf(path, m_folder) || m_folders->filePath(parent) == m_folder;
}

void FolderChainView::keyPressEvent(QKeyEvent* event) {
    QTreeView::keyPressEvent(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        event->accept();
}

} // namespace orvane
