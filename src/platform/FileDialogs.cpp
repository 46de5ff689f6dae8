#include "platform/FileDialogs.h"

#include "platform/FileFilter.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QTreeView>

namespace vimla::platform {
namespace {

void setSwedishLabels(QFileDialog& dialog, FileDialogKind kind) {
    const bool open = kind == FileDialogKind::Open;
    dialog.setWindowTitle(open ? QStringLiteral("Öppna") : QStringLiteral("Spara som"));
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Leta i:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Filnamn:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Filformat:"));
    dialog.setLabelText(QFileDialog::Accept,
                        open ? QStringLiteral("Öppna") : QStringLiteral("Spara"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Avbryt"));
}

// Qt writes sizes and dates in the desktop's language; the program writes them in its own.
class SwedishFileDetails : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        enum Column { Name, Size, Type, Date };
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!files || role != Qt::DisplayRole || (index.column() != Size && index.column() != Date))
            return QIdentityProxyModel::data(index, role);
        const QModelIndex file = mapToSource(index);
        const QLocale swedish; // the program's own language
        if (index.column() == Date)
            return swedish.toString(files->lastModified(file), QLocale::ShortFormat);
        if (files->isDir(file))
            return QString();
        return swedish.formattedDataSize(files->size(file), 1, QLocale::DataSizeTraditionalFormat);
    }
};

// The name takes the room left; size, type and date are never cut.
void fitColumnsToContents(QFileDialog& dialog) {
    auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (!details)
        return;
    QHeaderView* header = details->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
}

} // namespace

void prepareFileDialog(QFileDialog& dialog, const FileDialogRequest& request) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite); // the editor asks on its own
    const bool open = request.kind == FileDialogKind::Open;
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // After the modes: setting the accept mode makes new buttons, with Qt's English captions.
    setSwedishLabels(dialog, request.kind);
    dialog.setProxyModel(new SwedishFileDetails(&dialog));
    dialog.setNameFilters(nameFiltersFrom(request.filter));
    if (!request.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.initialFolder.isEmpty())
        dialog.setDirectory(request.initialFolder);
    if (!request.initialFileName.isEmpty())
        dialog.selectFile(request.initialFileName);
    fitColumnsToContents(dialog);
}

} // namespace vimla::platform
