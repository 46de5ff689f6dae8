#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

namespace vimla::shell {

class Editor;

// The windows other than the frame and the document, known by their form names. Each exists at
// most once: showing one that is open brings it to the front with its contents.
class WindowRegistry {
public:
    explicit WindowRegistry(Editor& editor) : m_editor(editor) {}

    using WindowFactory = std::function<QWidget*(Editor&)>;
    void registerWindow(const QString& objectName, WindowFactory factory);

    // Loads the window unless it is open, then shows it in front; nullptr for an unknown name.
    QWidget* show(const QString& objectName);
    // The window when it is loaded and shown, else nullptr.
    QWidget* open(const QString& objectName) const;
    // What a toolbar button that opens a dialog does: EditorAv, then the dialog.
    QWidget* showDialog(const QString& objectName);

private:
    Editor& m_editor;
    QHash<QString, WindowFactory> m_factories;
    QHash<QString, QPointer<QWidget>> m_windows;
};

} // namespace vimla::shell
