#pragma once

#include <QWidget>

namespace vimla::shell {

class Editor;

// A dialog window: an ordinary, non-modal top-level window that is loaded when shown and
// unloaded (deleted) when it closes. No button is a default or cancel button, so Enter and
// Escape press nothing; the close box runs closeBoxPressed().
class FormWindow : public QWidget {
    Q_OBJECT
public:
    FormWindow(Editor& editor, const QString& objectName, const QString& caption);

    Editor& editor() { return m_editor; }

    // Closes and deletes the window without running the close-box handling.
    void unload();
    bool isUnloading() const { return m_unloading; }
    // The way out of a toolbar dialog: it unloads, then the document window is enabled again
    // and has the focus.
    void unloadAndReturnToDocument();

protected:
    // By default the close box acts as "Avbryt" of a toolbar dialog: the window unloads and
    // the document window is enabled again.
    virtual void closeBoxPressed();
    void closeEvent(QCloseEvent* event) override;

private:
    Editor& m_editor;
    bool m_unloading = false;
};

} // namespace vimla::shell
