#pragma once

#include "shell/Toolbars.h"

#include <QMainWindow>

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace vimla::shell {

class DocumentWindow;
class Editor;

// MDIForm1: the frame with the menu, the two toolbars, the status bar and the document window.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Editor& editor);

    QToolBar& toolbar1() { return *m_toolbar1; }
    QToolBar& toolbar2() { return *m_toolbar2; }
    QMdiArea& mdiArea() { return *m_mdiArea; }

    QString statusText() const;
    void setStatusText(const QString& text);

    // Places the document window centred in the client area, using most of it.
    QMdiSubWindow* addDocumentWindow(DocumentWindow* document);

    // What a click on button `index` (1-based) of each toolbar does; other indices do nothing.
    void Toolbar1_ButtonClick(int index);
    void Toolbar2_ButtonClick(int index);

    // The commands of the "&Arkiv" menu.
    void mnuStäng_Click();
    void mnuSparasom_Click();
    void mnuInställningar_Click();
    void mnuAvsluta_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenu();
    void createToolbars();
    void createStatusBar();
    void addButtons(QToolBar& bar, const QList<ToolbarButton>& buttons,
                    void (MainWindow::*buttonClick)(int));

    Editor& m_editor;
    QMdiArea* m_mdiArea;
    QToolBar* m_toolbar1 = nullptr;
    QToolBar* m_toolbar2 = nullptr;
    QLabel* m_statusPanel = nullptr;
    QList<ToolbarButton> m_toolbar1Buttons;
    QList<ToolbarButton> m_toolbar2Buttons;
};

} // namespace vimla::shell
