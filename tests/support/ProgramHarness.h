#pragma once

#include "shell/DocumentWindow.h"
#include "shell/Editor.h"
#include "support/ScriptedPlatform.h"

#include <QString>

#include <memory>

class QPlainTextEdit;

namespace vimla::testing {

// The whole program, built in-process around a scripted platform exactly as start-up builds it.
// A settings file is written first unless `settings` is std::nullopt.
class ProgramHarness {
public:
    explicit ProgramHarness(
        std::optional<QByteArray> settings = QByteArray(" 12\r\nArial\r\n\r\n"));
    ~ProgramHarness();

    ScriptedPlatform platform;
    shell::Editor& editor() { return *m_editor; }
    shell::EditorState& state() { return m_editor->state(); }
    QPlainTextEdit& txtHtml() { return m_editor->txtHtml(); }

    // A top-level window or control of the program by its object name, or nullptr.
    template <typename T = QWidget> T* find(const QString& objectName) const;

    // Types text key by key into the focused widget (or into `target`), Swedish letters too.
    static void type(QWidget* target, const QString& text);

    // Sets the text and selection of the editor directly: select [start, start + length).
    void setTextAndSelect(const QString& text, int start, int length);
    int caret();
    bool hasSelection();

    static QString path(const QString& folder, const QString& name);

private:
    std::unique_ptr<shell::Editor> m_editor;
};

QWidget* findWidget(const QString& objectName);

template <typename T> T* ProgramHarness::find(const QString& objectName) const {
    return qobject_cast<T*>(findWidget(objectName));
}

} // namespace vimla::testing
