#pragma once

#include "platform/Platform.h"

#include <QIODevice>

namespace vimla::platform {

// The platform as the running program uses it.
class QtPlatform : public Platform {
public:
    Answer showMessage(const Message& message, QWidget* parent) override;
    FileChoice showFileDialog(const FileDialogRequest& request, QWidget* parent) override;

    void clearClipboard() override;
    void setClipboardText(const QString& text) override;
    QString clipboardText() override;

    std::optional<QByteArray> readFile(const QString& path, qint64 maxBytes) override;
    WriteResult writeFileAtomically(const QString& path, const QByteArray& bytes) override;
    QStringList fileNamesIn(const QString& folder) override;
    bool fileExists(const QString& path) override;
    std::optional<qint64> fileSize(const QString& path) override;
    bool isWritableFolder(const QString& folder) override;
    bool makeFolder(const QString& folder) override;
    bool removeFile(const QString& path) override;
    bool renameFile(const QString& from, const QString& to) override;

    QStringList drives() override;
    QString driveOf(const QString& folder) override;
    std::optional<FolderContents> readFolder(const QString& folder,
                                             const QStringList& filePatterns) override;
    QString currentFolder() override;

    QString applicationFolder() override;
    QString userConfigFolder() override;
    QString userStateFolder() override;
    std::unique_ptr<HeldLock> takeLock(const QString& path) override;
    QString installedDataFolder() override;

    bool startProgram(const QString& program, const QStringList& arguments) override;
    QSize screenSize() override;
    void endProgram() override;

protected:
    // Writes the bytes into the opened file and returns how many were written; tests replace it
    // to make the disk fill up part way.
    virtual qint64 writeContents(QIODevice& file, const QByteArray& bytes);
};

} // namespace vimla::platform
