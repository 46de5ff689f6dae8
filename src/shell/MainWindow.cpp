#include "shell/MainWindow.h"

#include "shell/DocumentWindow.h"
#include "shell/Editor.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace vimla::shell {

MainWindow::MainWindow(Editor& editor) : m_editor(editor), m_mdiArea(new QMdiArea(this)) {
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(kProgramTitle);
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(m_mdiArea);
    createMenu();
    createToolbars();
    createStatusBar();
}

void MainWindow::createMenu() {
    QMenu* arkiv = menuBar()->addMenu(QStringLiteral("&Arkiv"));
    arkiv->setObjectName(QStringLiteral("mnuArkiv"));
    const struct {
        const char16_t* name;
        const char16_t* caption;
        void (Editor::*command)();
    } items[] = {
        {u"mnuStäng", u"&Stäng", &Editor::mnuStäng_Click},
        {u"mnuSparasom", u"S&para som...", &Editor::mnuSparasom_Click},
        {u"mnuInställningar", u"&Inställningar", &Editor::mnuInställningar_Click},
        {u"mnuAvsluta", u"&Avsluta", &Editor::mnuAvsluta_Click},
    };
    for (const auto& item : items) {
        QAction* action = arkiv->addAction(QString::fromUtf16(item.caption));
        action->setObjectName(QString::fromUtf16(item.name));
        connect(action, &QAction::triggered, &m_editor, item.command);
    }
}

void MainWindow::createToolbars() {
    m_toolbar1 = addToolBar(QStringLiteral("Toolbar1"));
    m_toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    addToolBarBreak();
    m_toolbar2 = addToolBar(QStringLiteral("Toolbar2"));
    m_toolbar2->setObjectName(QStringLiteral("Toolbar2"));
    for (QToolBar* bar : {m_toolbar1, m_toolbar2}) {
        bar->setMovable(false);
        bar->setFloatable(false);
        bar->toggleViewAction()->setEnabled(false);
    }
}

void MainWindow::createStatusBar() {
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setSizeGripEnabled(true);
    m_statusPanel = new QLabel(this);
    m_statusPanel->setObjectName(QStringLiteral("Panel1"));
    m_statusPanel->setAccessibleName(QStringLiteral("Status"));
    m_statusPanel->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("Ändrad")) * 2);
    statusBar()->addWidget(m_statusPanel);
}

QString MainWindow::statusText() const {
    return m_statusPanel->text();
}

void MainWindow::setStatusText(const QString& text) {
    if (m_statusPanel->text() != text)
        m_statusPanel->setText(text);
}

QMdiSubWindow* MainWindow::addDocumentWindow(DocumentWindow* document) {
    QMdiSubWindow* sub = m_mdiArea->addSubWindow(document);
    sub->setObjectName(QStringLiteral("frmHtmlFrame"));
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(QIcon());
    const QSize area = m_mdiArea->viewport()->size();
    const QSize size(area.width() * 9 / 10, area.height() * 9 / 10);
    sub->resize(size);
    sub->move((area.width() - size.width()) / 2, (area.height() - size.height()) / 2);
    sub->show();
    return sub;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_editor.isEnding() || m_editor.frameCloseRequested())
        event->accept();
    else
        event->ignore();
}

void MainWindow::Toolbar1_ButtonClick(int index) {
    Q_UNUSED(index);
}

void MainWindow::Toolbar2_ButtonClick(int index) {
    Q_UNUSED(index);
}

} // namespace vimla::shell
