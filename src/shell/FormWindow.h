#pragma once

#include <QWidget>

namespace vimla::shell {

class Editor;

// A dialog window: a non-modal window of the frame, placed over the frame, loaded when shown and
// unloaded (deleted) when it closes. No button is a default or cancel button, so Enter and
// Escape press nothing; "Avbryt" and the close box both end in afterCancel().
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
    // "Avbryt": the window unloads, then afterCancel() runs.
    void cancel();

protected:
    // What leaving the window without OK does, by "Avbryt" or by the close box. A toolbar
    // dialog disabled the document window, so by default it is enabled again.
    virtual void afterCancel();
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void placeOverFrame();

    Editor& m_editor;
    bool m_unloading = false;
    bool m_placed = false;
};

} // namespace vimla::shell
