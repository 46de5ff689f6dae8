#include "shell/WindowStacking.h"

#include "shell/DocumentWindow.h"
#include "shell/Editor.h"
#include "shell/FormWindow.h"
#include "shell/MainWindow.h"

#include <QEvent>
#include <QMdiSubWindow>
#include <QPlainTextEdit>

namespace vimla::shell {
namespace {

bool isPress(const QEvent* event) {
    return event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress;
}

class DialogsInSight : public QObject {
public:
    explicit DialogsInSight(Editor& editor) : QObject(&editor), m_editor(editor) {
        editor.mdiForm1().installEventFilter(this);
        watchDocumentWindow();
        connect(&editor, &Editor::documentWindowLoaded, this, &DialogsInSight::watchDocumentWindow);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!isPress(event) || !m_editor.hasDocumentWindow())
            return false;
        QWidget* frame = m_editor.frmHtml().parentWidget();
        if (!frame->isEnabled()) {
            // A disabled widget ignores the press; the frame's own keys (menu, shortcuts) are
            // shortcuts and never come here as presses.
            if (watched != &m_editor.mdiForm1() || event->type() == QEvent::KeyPress)
                bringDialogsToFront();
            return false;
        }
        if (event->type() == QEvent::KeyPress && watched == &m_editor.txtHtml() &&
            frame->isMinimized())
            frame->showNormal();
        return false;
    }

private:
    void watchDocumentWindow() {
        QWidget* frame = m_editor.frmHtml().parentWidget();
        frame->installEventFilter(this);
        for (QWidget* child : frame->findChildren<QWidget*>())
            child->installEventFilter(this);
    }

    void bringDialogsToFront() {
        FormWindow* last = nullptr;
        for (FormWindow* dialog :
             m_editor.mdiForm1().findChildren<FormWindow*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!dialog->isVisible())
                continue;
            if (dialog->isMinimized())
                dialog->showNormal();
            dialog->raise();
            last = dialog;
        }
        if (last)
            last->activateWindow();
    }

    Editor& m_editor;
};

} // namespace

void keepDialogsInSight(Editor& editor) {
    new DialogsInSight(editor);
}

} // namespace vimla::shell
