#include "shell/MainWindow.h"

#include "faces/ToolbarFaces.h"
#include "shell/DocumentWindow.h"
#include "shell/Editor.h"
#include "shell/Shortcuts.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace vimla::shell {

MainWindow::MainWindow(Editor& editor) : m_editor(editor), m_mdiArea(new QMdiArea(this)) {
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(kProgramTitle);
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(m_mdiArea);
    createMenu();
    createToolbars();
    createStatusBar();
    installShortcuts(*this, editor);
}

void MainWindow::createMenu() {
    QMenu* arkiv = menuBar()->addMenu(QStringLiteral("&Arkiv"));
    arkiv->setObjectName(QStringLiteral("mnuArkiv"));
    const struct {
        const char16_t* name;
        const char16_t* caption;
        void (MainWindow::*command)();
    } items[] = {
        {u"mnuStäng", u"&Stäng", &MainWindow::mnuStäng_Click},
        {u"mnuSparasom", u"S&para som...", &MainWindow::mnuSparasom_Click},
        {u"mnuInställningar", u"&Inställningar", &MainWindow::mnuInställningar_Click},
        {u"mnuAvsluta", u"&Avsluta", &MainWindow::mnuAvsluta_Click},
    };
    for (const auto& item : items) {
        QAction* action = arkiv->addAction(QString::fromUtf16(item.caption));
        action->setObjectName(QString::fromUtf16(item.name));
        connect(action, &QAction::triggered, this, item.command);
    }
}

// Toolbar buttons carry only their face: no caption, key or tooltip (an action without text has
// no tooltip).
void MainWindow::addButtons(QToolBar& bar, const QList<ToolbarButton>& buttons,
                            void (MainWindow::*buttonClick)(int)) {
    for (int index = 1; index <= buttons.size(); ++index) {
        const ToolbarButton& button = buttons[index - 1];
        QAction* action = bar.addAction(button.face, QString());
        action->setObjectName(bar.objectName() + QStringLiteral("Button") + QString::number(index));
        connect(action, &QAction::triggered, this,
                [this, buttonClick, index] { (this->*buttonClick)(index); });
        bar.widgetForAction(action)->setAccessibleName(button.accessibleName);
    }
}

void MainWindow::createToolbars() {
    m_toolbar1 = addToolBar(QStringLiteral("Toolbar1"));
    m_toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar1->setAccessibleName(QStringLiteral("Formatering"));
    m_toolbar1->setIconSize(faces::kPictureSize);
    m_toolbar1Buttons = toolbar1Buttons();
    addButtons(*m_toolbar1, m_toolbar1Buttons, &MainWindow::Toolbar1_ButtonClick);
    addToolBarBreak();
    m_toolbar2 = addToolBar(QStringLiteral("Toolbar2"));
    m_toolbar2->setObjectName(QStringLiteral("Toolbar2"));
    m_toolbar2->setAccessibleName(QStringLiteral("Infoga"));
    m_toolbar2->setIconSize(faces::kWordSize);
    m_toolbar2Buttons = toolbar2Buttons();
    addButtons(*m_toolbar2, m_toolbar2Buttons, &MainWindow::Toolbar2_ButtonClick);
    for (QToolBar* bar : {m_toolbar1, m_toolbar2}) {
        bar->setMovable(false);
        bar->setFloatable(false);
        bar->toggleViewAction()->setEnabled(false);
        bar->setContextMenuPolicy(Qt::PreventContextMenu); // no menu to hide the toolbars
        // No button takes the focus (the overflow button neither), so the selection in the
        // editor stays where the pupil left it.
        for (QToolButton* button : bar->findChildren<QToolButton*>())
            button->setFocusPolicy(Qt::NoFocus);
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
    // The area of the frame, also while the frame is not shown yet and its viewport is unsized.
    const QSize area = m_mdiArea->contentsRect().size();
    const QSize size(area.width() * 9 / 10, area.height() * 9 / 10);
    sub->resize(size);
    sub->move((area.width() - size.width()) / 2, (area.height() - size.height()) / 2);
    sub->show();
    return sub;
}

void MainWindow::Toolbar1_ButtonClick(int index) {
    runToolbarButton(m_toolbar1Buttons, index, m_editor);
}

void MainWindow::Toolbar2_ButtonClick(int index) {
    runToolbarButton(m_toolbar2Buttons, index, m_editor);
}

} // namespace vimla::shell
