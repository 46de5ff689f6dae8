#pragma once

#include "platform/QtPlatform.h"

#include <QList>
#include <QMap>
#include <QQueue>
#include <QTemporaryDir>

namespace vimla::testing {

// A platform whose windows are scripted: message-box answers and file-dialog choices are queued
// by the test, and every call is recorded. Files are real (tests use temporary folders) unless a
// failure is injected; the clipboard is kept in memory. Folder listings, drives and the current
// folder come from tables, so no test lists the real disk or changes the current folder.
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
    QSize screen{1280, 800};
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
    QString clipboard;
    bool clipboardHasText = false;

    // The texts of the messages shown so far.
    QStringList messageTexts() const;
    static platform::FileChoice choose(const QString& fullPath);

    platform::Answer showMessage(const platform::Message& message, QWidget* parent) override;
    platform::FileChoice showFileDialog(const platform::FileDialogRequest& request, QWidget* parent) override;
    void clearClipboard() override;
    void setClipboardText(const QString& text) override;
    QString clipboardText() override;
    platform::WriteResult writeFileAtomically(const QString& path, const QByteArray& bytes) override;
    QStringList drives() override { return driveList; }
    // The longest drive in the list that holds the folder.
    QString driveOf(const QString& folder) override;
    // The folder's entry in the table, with only the files matching a pattern.
    std::optional<platform::FolderContents> readFolder(const QString& folder, const QStringList& filePatterns) override;
    QString currentFolder() override { return currentFolderPath; }
    QString applicationFolder() override { return applicationFolderPath; }
    QString userConfigFolder() override { return userConfigFolderPath; }
    QString userStateFolder() override { return userStateFolderPath; }
    QString installedDataFolder() override { return installedDataFolderPath; }
    bool startProgram(const QString& program, const QStringList& arguments) override;
    QSize screenSize() override { return screen; }
    bool isWritableFolder(const QString& folder) override;
    std::optional<qint64> fileSize(const QString& path) override;
    void endProgram() override { ++endProgramCalls; }

protected:
    qint64 writeContents(QIODevice& file, const QByteArray& bytes) override;
};

} // namespace vimla::testing
