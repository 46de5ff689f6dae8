#include "platform/QtPlatform.h"

#include "platform/FileDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLockFile>
#include <QMainWindow>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <unistd.h>
#endif

namespace vimla::platform {
namespace {

QMessageBox::StandardButton standardButton(Answer answer) {
    switch (answer) {
    case Answer::Ok:
        return QMessageBox::Ok;
    case Answer::Yes:
        return QMessageBox::Yes;
    case Answer::No:
        return QMessageBox::No;
    case Answer::Cancel:
        return QMessageBox::Cancel;
    }
    return QMessageBox::NoButton;
}

bool syncedToDisk(QFileDevice& file) {
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) == 0)
        return true;
    // A file system that cannot sync has nothing to wait for.
    return errno == EINVAL || errno == ENOTSUP;
#else
    Q_UNUSED(file);
    return true;
#endif
}

// A box or file dialog belongs to the window the pupil is in, or else to the program's frame:
// never a free window that the frame could hide.
QWidget* ownerFor(QWidget* parent) {
    if (parent)
        return parent;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->isVisible() && qobject_cast<QMainWindow*>(top))
            return top;
    }
    return nullptr;
}

} // namespace

Answer QtPlatform::showMessage(const Message& message, QWidget* parent) {
    QMessageBox box(ownerFor(parent));
    // The window system puts the program's name on a window without a title; a blank keeps the
    // title bar empty.
    box.setWindowTitle(message.title.isEmpty() ? QStringLiteral(" ") : message.title);
    box.setTextFormat(Qt::PlainText); // file names are shown as they are, never as markup
    box.setText(message.text);
    box.setIcon(message.icon == Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon);
    if (message.buttons == Buttons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
    } else if (message.buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    }
    if (QAbstractButton* defaultButton = box.button(standardButton(message.defaultButton)))
        box.setDefaultButton(qobject_cast<QPushButton*>(defaultButton));
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        if (message.buttons == Buttons::YesNo)
            return Answer::No;
        return message.buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
}

FileChoice QtPlatform::showFileDialog(const FileDialogRequest& request, QWidget* parent) {
    QFileDialog dialog(ownerFor(parent));
    prepareFileDialog(dialog, request);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return FileChoice::cancel();
    const QString path = QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
    return {false, path, QFileInfo(path).fileName()};
}

void QtPlatform::clearClipboard() {
    QGuiApplication::clipboard()->clear();
}

void QtPlatform::setClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

QString QtPlatform::clipboardText() {
    return QGuiApplication::clipboard()->text();
}

std::optional<QByteArray> QtPlatform::readFile(const QString& path, qint64 maxBytes) {
    QFile file(path);
    // Only ordinary files: opening a named pipe would wait forever for a writer, and a device
    // never ends.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (file.size() > maxBytes)
        return std::nullopt;
    QByteArray bytes = file.read(maxBytes + 1); // also bounds files whose size is not known
    if (bytes.size() > maxBytes || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

WriteResult QtPlatform::writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return WriteResult::Failed;
    // Every byte must be on the disk before the old file is replaced. commit() alone is not
    // enough: when the disk is full it ignores a failed flush of the last buffered bytes and of
    // the sync, and puts a cut-off (even empty) file in place of the old one.
    if (writeContents(file, bytes) != bytes.size() || !file.flush() || !syncedToDisk(file)) {
        file.cancelWriting();
        file.commit(); // removes the temporary file
        return WriteResult::Failed;
    }
    // On any failure of the rename, commit() removes the temporary file and leaves the old file.
    return file.commit() ? WriteResult::Written : WriteResult::Failed;
}

qint64 QtPlatform::writeContents(QIODevice& file, const QByteArray& bytes) {
    return file.write(bytes);
}

QStringList QtPlatform::fileNamesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

bool QtPlatform::fileExists(const QString& path) {
    return QFileInfo(path).isFile();
}

std::optional<qint64> QtPlatform::fileSize(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile())
        return std::nullopt;
    return info.size();
}

bool QtPlatform::isWritableFolder(const QString& folder) {
    // Asking the file system beats reading mode bits, which root and read-only mounts ignore.
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".vimla-probe-XXXXXX")));
    return probe.open();
}

bool QtPlatform::makeFolder(const QString& folder) {
    return QDir().mkpath(folder);
}

QString QtPlatform::applicationFolder() {
    return QCoreApplication::applicationDirPath();
}

// A build keeps the same layout as an installation, so both find their files the same way.
QString QtPlatform::installedDataFolder() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/vimlahtml"));
}

QString QtPlatform::userConfigFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

QString QtPlatform::userStateFolder() {
#ifdef Q_OS_UNIX
    // Qt names no state folder before 6.7; this is where the desktop's rules put it.
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + QLatin1Char('/') + QCoreApplication::applicationName();
#else
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
#endif
}

namespace {

class QtHeldLock : public HeldLock {
public:
    explicit QtHeldLock(const QString& path) : lock(path) {
        // Only a lock whose program has gone counts as stale, never one that is merely old.
        lock.setStaleLockTime(0);
    }
    QLockFile lock;
};

} // namespace

std::unique_ptr<HeldLock> QtPlatform::takeLock(const QString& path) {
    auto held = std::make_unique<QtHeldLock>(path);
    if (!held->lock.tryLock(0))
        return nullptr;
    return held;
}

bool QtPlatform::removeFile(const QString& path) {
    return QFile::remove(path);
}

bool QtPlatform::renameFile(const QString& from, const QString& to) {
    // QFile::rename refuses an existing target; rename() replaces it with no moment between.
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

bool QtPlatform::startProgram(const QString& program, const QStringList& arguments) {
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, arguments);
}

QSize QtPlatform::screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().size() : QSize(1024, 768);
}

void QtPlatform::endProgram() {
    // exit() rather than quit(): quit() would send close events to the windows first.
    QCoreApplication::exit(0);
}

} // namespace vimla::platform
