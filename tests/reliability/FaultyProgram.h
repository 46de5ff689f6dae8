#pragma once

#include "support/Files.h"
#include "support/ScriptedPlatform.h"

#include "program/Program.h"
#include "shell/Editor.h"

#include <QDir>
#include <QFileDevice>
#include <QTest>

#include <functional>
#include <memory>
#include <utility>

namespace vimla::testing {

// A scripted platform whose disk can fill up part way through a write, and whose chosen file
// can change between the file dialog and the read.
class FaultyPlatform : public ScriptedPlatform {
public:
    qint64 bytesBeforeDiskFull = -1;                     // a short write after this many bytes
    std::function<void(const QString&)> afterFileDialog; // runs once, on the next chosen path

    platform::FileChoice showFileDialog(const platform::FileDialogRequest& request,
                                        QWidget* parent) override {
        const platform::FileChoice choice = ScriptedPlatform::showFileDialog(request, parent);
        if (!choice.cancelled && afterFileDialog)
            std::exchange(afterFileDialog, {})(choice.fullPath);
        return choice;
    }

protected:
    qint64 writeContents(QIODevice& file, const QByteArray& bytes) override {
        if (bytesBeforeDiskFull < 0 || bytesBeforeDiskFull >= bytes.size())
            return ScriptedPlatform::writeContents(file, bytes);
        // What fitted really reaches the temporary file before the disk is full.
        const qint64 written = file.write(bytes.left(bytesBeforeDiskFull));
        if (auto* device = qobject_cast<QFileDevice*>(&file))
            device->flush();
        return written;
    }
};

// The whole program around a FaultyPlatform, started only by start() so that a test can arrange
// the folders first.
struct FaultyProgram {
    FaultyPlatform platform;
    std::unique_ptr<shell::Editor> editor;

    void start(bool writeSettings = true) {
        const QString settings = QDir(platform.applicationFolderPath).filePath("vimlahtml.ini");
        if (writeSettings) // a failure shows as the program's settings message
            writeBytes(settings, " 12\r\nArial\r\n\r\n");
        editor = program::startProgram(platform);
    }

    void open(const QString& path) {
        platform.fileChoices.enqueue(ScriptedPlatform::choose(path));
        editor->files().Oppna();
    }

    // What the pupil sees of the document: a failure must leave all of it as it was.
    QStringList state() const {
        return {editor->currentFileName(), editor->state().strAndrad, editor->state().strAvbrutet,
                editor->statusText(), editor->text()};
    }

    // The last message, which must be a failure message in full: text, icon, button and title.
    void compareLastMessage(const QString& text, const QString& title) const {
        const platform::Message& message = platform.messages.constLast();
        QCOMPARE(message.text, text);
        QCOMPARE(message.title, title);
        QCOMPARE(message.icon, platform::Icon::Exclamation);
        QCOMPARE(message.buttons, platform::Buttons::Ok);
    }
};

} // namespace vimla::testing
