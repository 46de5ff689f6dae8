#include "shell/FormWindow.h"

#include "shell/Editor.h"
#include "shell/MainWindow.h"

#include <QCloseEvent>

namespace vimla::shell {

FormWindow::FormWindow(Editor& editor, const QString& objectName, const QString& caption)
    : QWidget(&editor.mdiForm1(), Qt::Window), m_editor(editor) {
    setObjectName(objectName);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
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
