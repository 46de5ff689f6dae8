#pragma once

#include "support/ScriptedPlatform.h"

#include "shell/Editor.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include <memory>
#include <optional>

namespace vimla::testing {

// A scripted platform whose disk can fill up part way through a write, and whose chosen file
// can vanish between the file dialog and the read.
class FaultyPlatform : public ScriptedPlatform {
public:
    qint64 bytesBeforeDiskFull = -1; // a short write after this many bytes; -1: no fault
    bool deleteChosenFile = false;   // the next file chosen in a dialog is gone when it is read
    bool replaceChosenFileByFolder = false;

    platform::FileChoice showFileDialog(const platform::FileDialogRequest& request,
                                        QWidget* parent) override;

protected:
    qint64 writeContents(QIODevice& file, const QByteArray& bytes) override;
};

// The whole program around a FaultyPlatform, started by start() so that a test can arrange the
// folders first. The settings file is written at start unless `settings` is std::nullopt.
class FaultyProgram {
public:
    explicit FaultyProgram(std::optional<QByteArray> settings = QByteArray(" 12\r\nArial\r\n\r\n"));
    ~FaultyProgram();

    FaultyPlatform platform;
    shell::Editor& editor() { return *m_editor; }

    void start();
    // Opens a file through the open dialog.
    void open(const QString& path);

private:
    std::optional<QByteArray> m_settings;
    std::unique_ptr<shell::Editor> m_editor;
};

// What the pupil sees of the document: must be the same before and after a failure.
struct EditorSnapshot {
    QString text;
    QString fileName;
    QString strAndrad;
    QString strAvbrutet;
    QString status;

    static EditorSnapshot of(shell::Editor& editor);
};

// QCOMPAREs every field; the caller checks QTest::currentTestFailed().
void compareSnapshots(const EditorSnapshot& actual, const EditorSnapshot& expected);

// Every entry of a folder, hidden ones included: leftovers of a failed save show up here.
QStringList entriesOf(const QString& folder);
QByteArray contentsOf(const QString& path);
bool writeBytes(const QString& path, const QByteArray& bytes);

// The failure message of the file procedures, checked in full: text, icon, button and title.
void compareFailureMessage(const platform::Message& message, const QString& text,
                           const QString& title);

} // namespace vimla::testing
