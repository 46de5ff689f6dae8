#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QWidget;

namespace vimla::platform {

enum class Buttons { Ok, YesNoCancel, YesNo };
enum class Icon { None, Exclamation };
enum class Answer { Ok, Yes, No, Cancel };

struct Message {
    QString title;
    QString text;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    Answer defaultButton = Answer::Ok;
};

enum class FileDialogKind { Open, Save };

// A filter is written "label|patterns|label|patterns", patterns separated by ";".
struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    QString filter;
    QString initialFileName;
    QString defaultSuffix; // appended to a typed name without extension (save dialog)
    QString initialFolder; // where the dialog opens when the file name names none
};

struct FileChoice {
    bool cancelled = true;
    QString fullPath;
    QString fileName; // without folder

    static FileChoice cancel() { return {}; }
};

enum class WriteResult { Written, Failed };

struct FolderContents {
    QStringList subfolders; // names, hidden ones left out
    QStringList files;      // names of the ordinary files matching one of the patterns
};

// A lock file held by this program; released when the object goes.
class HeldLock {
public:
    virtual ~HeldLock() = default;
};

// Everything the editor asks of the desktop: message boxes, file dialogs, the clipboard, files,
// other programs and the screen. The windows never talk to these services directly, so a test
// can script every answer.
class Platform {
public:
    virtual ~Platform() = default;

    // A message box over `parent` (or the active window); returns the button pressed. Closing
    // the box without a button counts as Cancel, or OK for a box that has only OK.
    virtual Answer showMessage(const Message& message, QWidget* parent) = 0;

    virtual FileChoice showFileDialog(const FileDialogRequest& request, QWidget* parent) = 0;

    virtual void clearClipboard() = 0;
    virtual void setClipboardText(const QString& text) = 0;
    virtual QString clipboardText() = 0; // empty when it holds no text

    // The whole file, or std::nullopt when it cannot be read or is larger than maxBytes.
    virtual std::optional<QByteArray> readFile(const QString& path, qint64 maxBytes) = 0;
    // Replaces the file atomically: after a failure the old file is intact and nothing is left
    // behind.
    virtual WriteResult writeFileAtomically(const QString& path, const QByteArray& bytes) = 0;
    // Names (without folder) of the files in a folder, hidden ones included; folders excluded.
    virtual QStringList fileNamesIn(const QString& folder) = 0;
    virtual bool fileExists(const QString& path) = 0;
    // The size of an ordinary file, or std::nullopt when there is none at that path.
    virtual std::optional<qint64> fileSize(const QString& path) = 0;
    virtual bool isWritableFolder(const QString& folder) = 0;
    // Creates the folder and its parents; true when it exists afterwards.
    virtual bool makeFolder(const QString& folder) = 0;
    virtual bool removeFile(const QString& path) = 0;
    // Replaces `to` in one step when it exists.
    virtual bool renameFile(const QString& from, const QString& to) = 0;
    // Takes the lock file at `path` for as long as the result lives: nullptr when a program
    // that is still running holds it. A lock left by a program that ended without releasing it
    // is taken over.
    virtual std::unique_ptr<HeldLock> takeLock(const QString& path) = 0;

    // The root paths of the drives (mounted file systems) that can be read now, sorted, "/"
    // always first.
    virtual QStringList drives() = 0;
    // The root path of the drive that holds the folder ("/" when unknown).
    virtual QString driveOf(const QString& folder) = 0;
    // What a folder holds, both lists sorted without regard to case; std::nullopt when the folder
    // is missing or cannot be listed. Patterns such as "*.gif" match whatever the case of the name.
    virtual std::optional<FolderContents> readFolder(const QString& folder,
                                                     const QStringList& filePatterns) = 0;
    // The folder the program was started in.
    virtual QString currentFolder() = 0;

    virtual QString applicationFolder() = 0;
    virtual QString userConfigFolder() = 0;
    // Where the program keeps what is neither settings nor documents (recovery copies).
    virtual QString userStateFolder() = 0;
    // The folder of the files installed with the program (share/vimlahtml beside its bin/);
    // empty when there is none.
    virtual QString installedDataFolder() = 0;

    // Starts a program with its arguments, without a shell and without waiting for it.
    virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;

    virtual QSize screenSize() = 0;

    // Ends the program at once, with no further close handling.
    virtual void endProgram() = 0;
};

} // namespace vimla::platform
