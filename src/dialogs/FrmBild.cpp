#include "dialogs/FrmBild.h"

#include "dialogs/FrmStor.h"
#include "dialogs/ImageTag.h"
#include "dialogs/PictureBox.h"
#include "platform/Folders.h"
#include "platform/Platform.h"
#include "shell/Editor.h"
#include "shell/FormParts.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vimla::dialogs {

using shell::addOkAvbrytRow;
using shell::makeLabel;
using shell::makeLineEdit;
using shell::OkAvbrytButtons;
namespace {

const QString kFilePatterns = QStringLiteral("*.gif;*.jpg");
const QString kPictureFolder = QStringLiteral("bilder/");
const QString kUnreadableFolder = QStringLiteral("Mappen kunde inte läsas!");
const QString kRootFolder = QStringLiteral("/");
constexpr int kPathRole = Qt::UserRole;

// The folder and every folder above it, the topmost first.
QStringList foldersDownTo(const QString& folder) {
    QStringList chain{folder};
    for (QString up = QFileInfo(folder).path(); up != chain.first(); up = QFileInfo(up).path())
        chain.prepend(up);
    return chain;
}

QString folderCaption(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() ? path : name;
}

} // namespace

FrmBild::FrmBild(shell::Editor& editor)
    : FormWindow(editor, QStringLiteral("frmBild"), QStringLiteral("Bild")),
      m_patterns(platform::filePatternsFrom(kFilePatterns)) {
    createControls();
    layOutControls();
    connectControls();
    m_txtBild->setFocus();

    // The folder the program was started in, or the root when that cannot be read.
    if (!openFolder(editor.platform().currentFolder()))
        openFolder(kRootFolder);
}

void FrmBild::createControls() {
    m_txtBild = makeLineEdit(QStringLiteral("txtBild"), this);
    m_txtBredd = makeLineEdit(QStringLiteral("txtBredd"), this);
    m_txtHojd = makeLineEdit(QStringLiteral("txtHojd"), this);
    m_txtRam = makeLineEdit(QStringLiteral("txtRam"), this);

    m_dir1 = new QTreeWidget(this);
    m_dir1->setObjectName(QStringLiteral("Dir1"));
    m_dir1->setAccessibleName(QStringLiteral("Mappar"));
    m_dir1->setHeaderHidden(true);
    m_dir1->setColumnCount(1);
    m_dir1->setRootIsDecorated(false);
    m_dir1->setItemsExpandable(false);

    m_drive1 = new QComboBox(this);
    m_drive1->setObjectName(QStringLiteral("Drive1"));
    m_drive1->setAccessibleName(QStringLiteral("Enheter"));
    m_drive1->addItems(editor().platform().drives());

    m_lstfiler = new QListWidget(this);
    m_lstfiler->setObjectName(QStringLiteral("lstfiler"));
    m_lstfiler->setAccessibleName(QStringLiteral("Filer"));
    m_lstfiler->setSelectionMode(QAbstractItemView::SingleSelection);

    m_picture1 = new PictureBox(QStringLiteral("Picture1"), 3375, 2055, this);
    m_picture1->setAccessibleName(QStringLiteral("Förhandsvisning"));
}

void FrmBild::layOutControls() {
    auto* fields = new QGridLayout;
    fields->addWidget(makeLabel(QStringLiteral("Label1"), QStringLiteral("Bild:"), m_txtBild, this),
                      0, 0);
    fields->addWidget(m_txtBild, 0, 1, 1, 3);
    fields->addWidget(
        makeLabel(QStringLiteral("Label2"), QStringLiteral("Bredd:"), m_txtBredd, this), 1, 0);
    fields->addWidget(m_txtBredd, 1, 1);
    fields->addWidget(makeLabel(QStringLiteral("Label4"), QStringLiteral("Ram:"), m_txtRam, this),
                      1, 2);
    fields->addWidget(m_txtRam, 1, 3);
    fields->addWidget(makeLabel(QStringLiteral("Label3"), QStringLiteral("Höjd:"), m_txtHojd, this),
                      2, 0);
    fields->addWidget(m_txtHojd, 2, 1);
    const OkAvbrytButtons buttons = addOkAvbrytRow(fields, 3, this);
    connect(buttons.cmdOk, &QPushButton::clicked, this, &FrmBild::cmdOk_Click);

    auto* browser = new QGridLayout;
    browser->addWidget(m_dir1, 0, 0);
    browser->addWidget(m_drive1, 1, 0);
    browser->addWidget(m_lstfiler, 0, 1, 2, 1);

    auto* label5 = new QLabel(
        QStringLiteral("Om bilden är stor, så dubbelklicka på den för att se mer av den."), this);
    label5->setObjectName(QStringLiteral("Label5"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(browser);
    layout->addWidget(m_picture1);
    layout->addWidget(label5);

    shell::setTabChain({m_txtBild, m_txtBredd, m_txtHojd, m_txtRam, buttons.cmdOk,
                        buttons.cmdAvbryt, m_dir1, m_drive1, m_lstfiler});
}

void FrmBild::connectControls() {
    connect(m_drive1, &QComboBox::activated, this, &FrmBild::Drive1_Change);
    connect(m_dir1, &QTreeWidget::itemActivated, this, &FrmBild::Dir1_Change);
    // A selection, not the current row: tabbing into the list must not load its first file.
    connect(m_lstfiler, &QListWidget::itemSelectionChanged, this, &FrmBild::lstfiler_Click);
    connect(m_picture1, &PictureBox::doubleClicked, this, &FrmBild::Picture1_DblClick);
}

bool FrmBild::openFolder(const QString& folder) {
    const std::optional<platform::FolderContents> contents =
        editor().platform().readFolder(folder, m_patterns);
    if (!contents) {
        editor().showFailure(kUnreadableFolder);
        showDrive(editor().platform().driveOf(m_folder));
        return false;
    }
    showFolder(QDir::cleanPath(folder), *contents);
    return true;
}

void FrmBild::showFolder(const QString& folder, const platform::FolderContents& contents) {
    m_folder = folder;
    showFolderTree(folder, contents.subfolders);
    showDrive(editor().platform().driveOf(folder));
    const QSignalBlocker blocker(m_lstfiler);
    m_lstfiler->clear();
    m_lstfiler->addItems(contents.files);
}

// Dir1 shows the path from the root down to the open folder, and the folders inside it.
void FrmBild::showFolderTree(const QString& folder, const QStringList& subfolders) {
    const QSignalBlocker blocker(m_dir1);
    m_dir1->clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    QTreeWidgetItem* open = nullptr;
    for (const QString& path : foldersDownTo(folder)) {
        auto* item = open ? new QTreeWidgetItem(open) : new QTreeWidgetItem(m_dir1);
        item->setText(0, folderCaption(path));
        item->setData(0, kPathRole, path);
        item->setIcon(0, openIcon);
        open = item;
    }
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    for (const QString& name : subfolders) {
        auto* item = new QTreeWidgetItem(open);
        item->setText(0, name);
        item->setData(0, kPathRole, platform::pathInFolder(folder, name));
        item->setIcon(0, closedIcon);
    }
    m_dir1->expandAll();
    m_dir1->setCurrentItem(open);
}

void FrmBild::showDrive(const QString& drive) {
    const QSignalBlocker blocker(m_drive1);
    if (m_drive1->findText(drive) < 0)
        m_drive1->addItem(drive);
    m_drive1->setCurrentIndex(m_drive1->findText(drive));
}

QString FrmBild::selectedFileName() const {
    const QList<QListWidgetItem*> selected = m_lstfiler->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

QString FrmBild::selectedFilePath() const {
    return platform::pathInFolder(m_folder, selectedFileName());
}

void FrmBild::Drive1_Change(int index) {
    openFolder(m_drive1->itemText(index));
}

void FrmBild::Dir1_Change(QTreeWidgetItem* item) {
    if (item)
        openFolder(item->data(0, kPathRole).toString());
}

void FrmBild::lstfiler_Click() {
    const QString name = selectedFileName();
    if (name.isEmpty())
        return;
    m_txtBild->setText(kPictureFolder + name);
    if (!m_picture1->load(selectedFilePath()))
        editor().showFailure(kPictureFailure);
}

// The viewer loads what the list has selected now, which need not be what the preview shows.
void FrmBild::Picture1_DblClick() {
    if (auto* viewer = qobject_cast<FrmStor*>(editor().windows().show(QStringLiteral("frmStor"))))
        viewer->showPicture(selectedFilePath());
}

void FrmBild::cmdOk_Click() {
    editor().writeSelectedText(
        imageTag({m_txtBild->text(), m_txtBredd->text(), m_txtHojd->text(), m_txtRam->text()}));
    unloadAndReturnToDocument();
}

} // namespace vimla::dialogs
