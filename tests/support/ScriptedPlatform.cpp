#include "support/ScriptedPlatform.h"

#include <QFileInfo>

namespace vimla::testing {

// The folders are members declared after the paths, so the paths are set once they exist.
ScriptedPlatform::ScriptedPlatform() {
    applicationFolderPath = m_applicationFolder.path();
    userConfigFolderPath = m_userConfigFolder.path();
}

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

platform::FileChoice ScriptedPlatform::showFileDialog(const platform::FileDialogRequest& request,
                                                      QWidget*) {
    fileDialogs << request;
    if (!fileChoices.isEmpty())
        return fileChoices.dequeue();
    ++unscriptedCalls;
    return platform::FileChoice::cancel();
}

void ScriptedPlatform::clearClipboard() {
    clipboard.clear();
    clipboardHasText = false;
}

void ScriptedPlatform::setClipboardText(const QString& text) {
    clipboard = text;
    clipboardHasText = true;
}

QString ScriptedPlatform::clipboardText() {
    return clipboardHasText ? clipboard : QString();
}

platform::WriteResult ScriptedPlatform::writeFileAtomically(const QString& path,
                                                            const QByteArray& bytes) {
    if (failingWrites > 0) {
        --failingWrites;
        return platform::WriteResult::Failed;
    }
    return QtPlatform::writeFileAtomically(path, bytes);
}

bool ScriptedPlatform::startProgram(const QString& program, const QStringList& arguments) {
    startedPrograms << (QStringList{program} + arguments);
    if (reallyStartPrograms)
        return QtPlatform::startProgram(program, arguments);
    return startProgramResult;
}

} // namespace vimla::testing
