// The four commands of the "&Arkiv" menu, and the frame closed by the window system.
#include "shell/DocumentWindow.h"
#include "shell/Editor.h"
#include "shell/MainWindow.h"

#include <QCloseEvent>
#include <QMdiSubWindow>

namespace vimla::shell {

void MainWindow::mnuStäng_Click() {
    m_editor.frmHtml();
    if (m_editor.files().askToSaveChanges(SaveQuestion{kAskBeforeGoingOn}) == Decision::Stop)
        return;
    m_editor.startEmptyUnnamedDocument();
}

void MainWindow::mnuSparasom_Click() {
    m_editor.files().SparaSom();
}

void MainWindow::mnuInställningar_Click() {
    m_editor.frmHtml();
    m_editor.windows().show(QStringLiteral("frmInst"));
}

void MainWindow::mnuAvsluta_Click() {
    if (m_editor.files().askToSaveChanges(SaveQuestion{kAskBeforeEnding}) == Decision::Stop)
        return;
    m_editor.endProgram();
}

// The frame closing is the program ending, once the document window has let itself close.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_editor.isEnding()) {
        event->accept();
        return;
    }
    if (m_editor.hasDocumentWindow() && !m_editor.frmHtml().parentWidget()->close()) {
        event->ignore();
        return;
    }
    if (!m_editor.isEnding())
        m_editor.endProgram();
    event->accept();
}

} // namespace vimla::shell
