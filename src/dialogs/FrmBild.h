#pragma once

#include "shell/FormWindow.h"

#include <QStringList>

class QComboBox;
class QLineEdit;
class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace vimla::platform {
struct FolderContents;
}

namespace vimla::dialogs {

class PictureBox;

// frmBild: inserts an image tag. The pupil browses drives and folders for a GIF or JPEG file,
// sees it in a preview and may open it in the larger viewer frmStor. Browsing never changes the
// program's current folder.
class FrmBild : public shell::FormWindow {
    Q_OBJECT
public:
    explicit FrmBild(shell::Editor& editor);

    QString folder() const { return m_folder; }
    // The full path of the file selected in lstfiler; the folder itself when none is selected.
    QString selectedFilePath() const;
    // Shows the folder in Dir1 and its pictures in lstfiler; on failure a message is shown and
    // the lists stay on the folder shown before.
    bool openFolder(const QString& folder);

private:
    void createControls();
    void layOutControls();
    void connectControls();
    void showFolder(const QString& folder, const platform::FolderContents& contents);
    void showFolderTree(const QString& folder, const QStringList& subfolders);
    void showDrive(const QString& drive);
    QString selectedFileName() const;

    void Drive1_Change(int index);
    void Dir1_Change(QTreeWidgetItem* item);
    void lstfiler_Click();
    void Picture1_DblClick();
    void cmdOk_Click();

    QLineEdit* m_txtBild = nullptr;
    QLineEdit* m_txtBredd = nullptr;
    QLineEdit* m_txtHojd = nullptr;
    QLineEdit* m_txtRam = nullptr;
    QTreeWidget* m_dir1 = nullptr;
    QComboBox* m_drive1 = nullptr;
    QListWidget* m_lstfiler = nullptr;
    PictureBox* m_picture1 = nullptr;
    QString m_folder;
    QStringList m_patterns;
};

} // namespace vimla::dialogs
