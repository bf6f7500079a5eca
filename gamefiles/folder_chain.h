#pragma once
// The file chooser's folder list: the chain of folders from a drive down to the current folder,
// then the current folder's own subfolders, as a drive's folder list reads.

#include <QSortFilterProxyModel>
#include <QTreeView>

class QFileSystemModel;

namespace orvane {

class FolderChainModel final : public QSortFilterProxyModel {
    Q_OBJECT
  public:
    FolderChainModel(QFileSystemModel* folders, QObject* parent);

    void setFolder(const QString& folder);
    QString pathOf(const QModelIndex& index) const;
    QModelIndex indexOf(const QString& path) const;

    QVariant data(const QModelIndex& index, int role) const override;
    // Only the chain opens further: the subfolders of the current folder are its leaves.
    bool hasChildren(const QModelIndex& parent) const override;
    bool canFetchMore(const QModelIndex& parent) const override;

  protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

  private:
    bool isOnChain(const QModelIndex& index) const;

    QFileSystemModel* m_folders;
    QString m_folder;
};

// The list is always open along the chain, so it draws no branches to click. Enter opens the
// folder and goes no further: the dialog's default button is not pressed with it.
class FolderChainView final : public QTreeView {
    Q_OBJECT
  public:
    using QTreeView::QTreeView;

  protected:
    void drawBranches(QPainter*, const QRect&, const QModelIndex&) const override {}
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace orvane
