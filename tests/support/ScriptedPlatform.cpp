#include "support/ScriptedPlatform.h"

#include "platform/Folders.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>

namespace vimla::testing {

QStringList ScriptedPlatform::messageTexts() const {
    QStringList texts;
    for (const platform::Message& message : messages)
        texts << message.text;
    return texts;
}

platform::FileChoice ScriptedPlatform::choose(const QString& fullPath) {
    return {false, fullPath, QFileInfo(fullPath).fileName()};
}

platform::Answer ScriptedPlatform::showMessage(const platform::Message& message, QWidget*) {
    messages << message;
    if (!answers.isEmpty())
        return answers.dequeue();
    if (message.buttons == platform::Buttons::Ok)
        return platform::Answer::Ok;
    ++unscriptedCalls;
    return platform::Answer::Cancel;
}

platform::FileChoice ScriptedPlatform::showFileDialog(const platform::FileDialogRequest& request, QWidget*) {
    fileDialogs << request;
    if (!fileChoices.isEmpty()) {
        const platform::FileChoice choice = fileChoices.dequeue();
        return choice;
    }
    ++unscriptedCalls;
    return platform::FileChoice::cancel();
}

void ScriptedPlatform::clearClipboard() {
    if (realClipboard)
        return QtPlatform::clearClipboard();
    clipboard.clear();
    clipboardHasText = false;
}

void ScriptedPlatform::setClipboardText(const QString& text) {
    if (realClipboard)
        return QtPlatform::setClipboardText(text);
    clipboard = text;
    clipboardHasText = true;
}

QString ScriptedPlatform::clipboardText() {
    if (realClipboard)
        return QtPlatform::clipboardText();
    return clipboardHasText ? clipboard : QString();
}

platform::WriteResult ScriptedPlatform::writeFileAtomically(const QString& path, const QByteArray& bytes) {
    if (failingWrites > 0) {
        --failingWrites;
        return platform::WriteResult::Failed;
    }
    return QtPlatform::writeFileAtomically(path, bytes);
}

QString ScriptedPlatform::driveOf(const QString& folder) {
    QString drive = QStringLiteral("/");
    for (const QString& root : driveList) {
        if (root.size() > drive.size() &&
            (folder == root || folder.startsWith(platform::pathInFolder(root, QString()))))
            drive = root;
    }
    return drive;
}

std::optional<platform::FolderContents> ScriptedPlatform::readFolder(const QString& folder,
                                                                     const QStringList& filePatterns) {
    const auto entry = folders.constFind(folder);
    if (entry == folders.cend())
        return std::nullopt;
    platform::FolderContents contents = *entry;
    contents.files.removeIf([&](const QString& name) { return !QDir::match(filePatterns, name); });
    return contents;
}

bool ScriptedPlatform::startProgram(const QString& program, const QStringList& arguments) {
    startedPrograms << (QStringList{program} + arguments);
    return programsStart;
}

bool ScriptedPlatform::isWritableFolder(const QString& folder) {
    return (applicationFolderWritable || folder != applicationFolderPath) && QtPlatform::isWritableFolder(folder);
}

std::optional<qint64> ScriptedPlatform::fileSize(const QString& path) {
    return reportedFileSize ? reportedFileSize : QtPlatform::fileSize(path);
}

qint64 ScriptedPlatform::writeContents(QIODevice& file, const QByteArray& bytes) {
    if (bytesBeforeDiskFull < 0 || bytesBeforeDiskFull >= bytes.size())
        return QtPlatform::writeContents(file, bytes);
    // What fitted really reaches the temporary file before the disk is full.
    const qint64 written = file.write(bytes.left(bytesBeforeDiskFull));
    if (auto* device = qobject_cast<QFileDevice*>(&file))
        device->flush();
    return written;
}

} // namespace vimla::testing
