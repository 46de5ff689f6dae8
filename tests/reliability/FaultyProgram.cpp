#include "FaultyProgram.h"

#include "program/Program.h"

#include <QFileDevice>
#include <QTest>

namespace vimla::testing {

platform::FileChoice FaultyPlatform::showFileDialog(const platform::FileDialogRequest& request,
                                                    QWidget* parent) {
    const platform::FileChoice choice = ScriptedPlatform::showFileDialog(request, parent);
    if (!choice.cancelled && (deleteChosenFile || replaceChosenFileByFolder)) {
        QFile::remove(choice.fullPath);
        if (replaceChosenFileByFolder)
            QDir().mkpath(choice.fullPath);
        deleteChosenFile = replaceChosenFileByFolder = false;
    }
    return choice;
}

qint64 FaultyPlatform::writeContents(QIODevice& file, const QByteArray& bytes) {
    if (bytesBeforeDiskFull < 0 || bytesBeforeDiskFull >= bytes.size())
        return ScriptedPlatform::writeContents(file, bytes);
    // What fitted really reaches the temporary file before the disk is full.
    const qint64 written = file.write(bytes.left(bytesBeforeDiskFull));
    if (auto* device = qobject_cast<QFileDevice*>(&file))
        device->flush();
    return written;
}

FaultyProgram::FaultyProgram(std::optional<QByteArray> settings)
    : m_settings(std::move(settings)) {}

FaultyProgram::~FaultyProgram() = default;

void FaultyProgram::start() {
    if (m_settings)
        writeBytes(QDir(platform.applicationFolderPath).filePath(QStringLiteral("vimlahtml.ini")),
                   *m_settings);
    m_editor = program::startProgram(platform);
}

void FaultyProgram::open(const QString& path) {
    platform.fileChoices.enqueue(ScriptedPlatform::choose(path));
    m_editor->Oppna();
}

EditorSnapshot EditorSnapshot::of(shell::Editor& editor) {
    return {editor.text(), editor.currentFileName(), editor.state().strAndrad,
            editor.state().strAvbrutet, editor.statusText()};
}

void compareSnapshots(const EditorSnapshot& actual, const EditorSnapshot& expected) {
    QVERIFY2(actual.text == expected.text, "the text in the editor changed");
    QCOMPARE(actual.fileName, expected.fileName);
    QCOMPARE(actual.strAndrad, expected.strAndrad);
    QCOMPARE(actual.strAvbrutet, expected.strAvbrutet);
    QCOMPARE(actual.status, expected.status);
}

QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

void compareFailureMessage(const platform::Message& message, const QString& text,
                           const QString& title) {
    QCOMPARE(message.text, text);
    QCOMPARE(message.title, title);
    QCOMPARE(message.icon, platform::Icon::Exclamation);
    QCOMPARE(message.buttons, platform::Buttons::Ok);
}

} // namespace vimla::testing
