#include "shell/FormWindow.h"

#include "shell/Editor.h"
#include "shell/MainWindow.h"

#include <QCloseEvent>
#include <QScreen>

namespace vimla::shell {

FormWindow::FormWindow(Editor& editor, const QString& objectName, const QString& caption)
    // A dialog window of the frame: the window system keeps it above the frame and minimises it
    // with the frame. It stays non-modal, so the toolbars and the menu keep working.
    : QWidget(&editor.mdiForm1(), Qt::Dialog), m_editor(editor) {
    setObjectName(objectName);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
}

void FormWindow::showEvent(QShowEvent* event) {
    if (!m_placed) {
        m_placed = true;
        placeOverFrame();
    }
    QWidget::showEvent(event);
}

void FormWindow::placeOverFrame() {
    const QWidget& frame = m_editor.mdiForm1();
    QRect placed(QPoint(), frameGeometry().size().expandedTo(size()));
    placed.moveCenter(frame.frameGeometry().center());
    // Kept on the frame's screen, top-left corner first, so the title bar can always be reached.
    if (const QScreen* screen = frame.screen()) {
        const QRect area = screen->availableGeometry();
        placed.moveRight(qMin(placed.right(), area.right()));
        placed.moveBottom(qMin(placed.bottom(), area.bottom()));
        placed.moveLeft(qMax(placed.left(), area.left()));
        placed.moveTop(qMax(placed.top(), area.top()));
    }
    move(placed.topLeft());
}

void FormWindow::unload() {
    if (m_unloading)
        return;
    m_unloading = true;
    close();
}

void FormWindow::unloadAndReturnToDocument() {
    unload();
    m_editor.EditorPa();
}

void FormWindow::cancel() {
    unload();
    afterCancel();
}

void FormWindow::afterCancel() {
    m_editor.EditorPa();
}

void FormWindow::closeEvent(QCloseEvent* event) {
    if (!m_unloading) {
        m_unloading = true;
        afterCancel();
    }
    event->accept();
}

} // namespace vimla::shell
