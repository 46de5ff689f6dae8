#pragma once

#include "platform/Folders.h"
#include "platform/QtPlatform.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QList>
#include <QMap>
#include <QQueue>
#include <QTemporaryDir>

namespace vimla::testing {

// A platform whose message boxes and file dialogs answer from queues the test fills, recording every call.
// Files are real unless a failure is injected; folders, drives and the current folder come from tables.
class ScriptedPlatform : public platform::QtPlatform {
    // Declared first: the folder paths below are initialised from them.
    QTemporaryDir m_applicationFolder;
    QTemporaryDir m_userConfigFolder;
    QTemporaryDir m_userStateFolder;

public:
    // Scripting.
    QQueue<platform::Answer> answers;         // one per message box, in order
    QQueue<platform::FileChoice> fileChoices; // one per file dialog, in order
    int failingWrites = 0;                    // the next N atomic writes fail
    bool programsStart = true;                // false: startProgram fails, as for a missing one
    QString applicationFolderPath = m_applicationFolder.path();
    QString userConfigFolderPath = m_userConfigFolder.path();
    QString userStateFolderPath = m_userStateFolder.path();
    QString installedDataFolderPath; // none by default
    // What each folder holds, files of every kind; a folder missing here cannot be read.
    QMap<QString, platform::FolderContents> folders{{QStringLiteral("/"), {}}};
    QStringList driveList{QStringLiteral("/")};
    QString currentFolderPath = QStringLiteral("/");
    bool realClipboard = false;             // the desktop's clipboard instead of one in memory
    bool applicationFolderWritable = true;  // false: as an installed program's
    std::optional<qint64> reportedFileSize; // the size every file is said to have
    qint64 bytesBeforeDiskFull = -1;        // a short write after this many bytes

    // Records.
    QList<platform::Message> messages;
    QList<platform::FileDialogRequest> fileDialogs;
    QList<QStringList> startedPrograms; // program followed by its arguments
    int endProgramCalls = 0;
    int unscriptedCalls = 0; // a dialog shown with no answer queued for it
    QString clipboard;       // null: it holds no text

    QStringList messageTexts() const {
        QStringList texts;
        for (const platform::Message& message : messages)
            texts << message.text;
        return texts;
    }
    static platform::FileChoice choose(const QString& fullPath) {
        return {false, fullPath, QFileInfo(fullPath).fileName()};
    }

    platform::Answer showMessage(const platform::Message& message, QWidget*) override {
        messages << message;
        if (!answers.isEmpty())
            return answers.dequeue();
        if (message.buttons == platform::Buttons::Ok)
            return platform::Answer::Ok;
        ++unscriptedCalls;
        return platform::Answer::Cancel;
    }
    platform::FileChoice showFileDialog(const platform::FileDialogRequest& request, QWidget*) override {
        fileDialogs << request;
        if (!fileChoices.isEmpty())
            return fileChoices.dequeue();
        ++unscriptedCalls;
        return platform::FileChoice::cancel();
    }
    void clearClipboard() override {
        if (realClipboard)
            return QtPlatform::clearClipboard();
        clipboard = QString();
    }
    void setClipboardText(const QString& text) override {
        if (realClipboard)
            return QtPlatform::setClipboardText(text);
        clipboard = text;
    }
    QString clipboardText() override { return realClipboard ? QtPlatform::clipboardText() : clipboard; }
    platform::WriteResult writeFileAtomically(const QString& path, const QByteArray& bytes) override {
        if (failingWrites <= 0)
            return QtPlatform::writeFileAtomically(path, bytes);
        --failingWrites;
        return platform::WriteResult::Failed;
    }
    QStringList drives() override { return driveList; }
    // The longest drive in the list that holds the folder.
    QString driveOf(const QString& folder) override {
        QString drive = QStringLiteral("/");
        for (const QString& root : driveList) {
            if (root.size() > drive.size() &&
                (folder == root || folder.startsWith(platform::pathInFolder(root, QString()))))
                drive = root;
        }
        return drive;
    }
    // The folder's entry in the table, with only the files matching a pattern.
    std::optional<platform::FolderContents> readFolder(const QString& folder,
                                                       const QStringList& filePatterns) override {
        const auto entry = folders.constFind(folder);
        if (entry == folders.cend())
            return std::nullopt;
        platform::FolderContents contents = *entry;
        contents.files.removeIf([&](const QString& name) { return !QDir::match(filePatterns, name); });
        return contents;
    }
    QString currentFolder() override { return currentFolderPath; }
    QString applicationFolder() override { return applicationFolderPath; }
    QString userConfigFolder() override { return userConfigFolderPath; }
    QString userStateFolder() override { return userStateFolderPath; }
    QString installedDataFolder() override { return installedDataFolderPath; }
    bool startProgram(const QString& program, const QStringList& arguments) override {
        startedPrograms << (QStringList{program} + arguments);
        return programsStart;
    }
    QSize screenSize() override { return {1280, 800}; }
    bool isWritableFolder(const QString& folder) override {
        return (applicationFolderWritable || folder != applicationFolderPath) && QtPlatform::isWritableFolder(folder);
    }
    std::optional<qint64> fileSize(const QString& path) override {
        return reportedFileSize ? reportedFileSize : QtPlatform::fileSize(path);
    }
    void endProgram() override { ++endProgramCalls; }

protected:
    qint64 writeContents(QIODevice& file, const QByteArray& bytes) override {
        if (bytesBeforeDiskFull < 0 || bytesBeforeDiskFull >= bytes.size())
            return QtPlatform::writeContents(file, bytes);
        // What fitted really reaches the temporary file before the disk is full.
        const qint64 written = file.write(bytes.left(bytesBeforeDiskFull));
        if (auto* device = qobject_cast<QFileDevice*>(&file))
            device->flush();
        return written;
    }
};

} // namespace vimla::testing
