#pragma once
// The small modal window in which the player picks a drive, a folder and a file name for saving
// or loading a game.

#include "gamefiles/chooser_start.h"
#include "gamefiles/game_file_chooser.h"

#include <QDialog>

class QComboBox;
class QFileSystemModel;
class QLineEdit;
class QListWidget;
class QTreeView;

namespace orvane {

class FolderChainModel;

class FileChooser final : public QDialog, public GameFileChooser {
    Q_OBJECT
  public:
    // The first showing lists `start.folder`; the drive list holds `start.drives` for the whole
    // run.
    explicit FileChooser(const ChooserStart& start, QWidget* parent = nullptr);

    void setCaption(const std::string& caption) override;
    void setNameReadOnly(bool readOnly) override;
    void setNameText(const std::string& text) override;
    void showModal() override;
    bool chosen() const override { return m_chosen; }
    std::string folder() const override { return m_folder.toStdString(); }
    std::string nameText() const override;
    bool nameIsUntouchedMask() const override;

    QString currentFolder() const { return m_folder; }
    // Makes `path` the folder whose files are listed, as opening it in the folder list does.
    void openFolder(const QString& path);

    void changelect(); // the drive list changed
    void boutokClick();
    void boutannuleClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void showDriveOf(const QString& folder);
    void showFolderInTree();
    // Lists the folder's files again; the selection goes and the name field shows the mask.
    void readFileList();
    void pickFile();

    QTreeView* m_tree;
    QFileSystemModel* m_fileSystem;
    FolderChainModel* m_folders;
    QListWidget* m_files;
    QComboBox* m_drives;
    QLineEdit* m_name;
    QString m_folder;
    QString m_driveRoot;
    bool m_chosen = false;
    bool m_nameFromPlayer = false; // typed or picked since the field was last set
};

} // namespace orvane
