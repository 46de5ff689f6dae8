// What the buttons of the two toolbars do. Each button is known by its 1-based index.
#include "shell/Editor.h"
#include "shell/MainWindow.h"

namespace vimla::shell {
namespace {

void cut(Editor& editor) {
    const QString selection = editor.selectedText();
    editor.platform().clearClipboard();
    editor.platform().setClipboardText(selection);
    if (!selection.isEmpty()) // nothing selected: the text stays unchanged
        editor.writeSelectedText(QString());
}

void copy(Editor& editor) {
    const QString selection = editor.selectedText();
    editor.platform().clearClipboard();
    editor.platform().setClipboardText(selection);
}

// An empty clipboard pastes nothing over the selection, which deletes it.
void paste(Editor& editor) {
    const QString text = editor.platform().clipboardText();
    if (text.isEmpty() && editor.selectedText().isEmpty())
        return;
    editor.writeSelectedText(text);
}

// The browser gets the file name as one argument, never through a shell, so a path with blanks
// or any other character reaches it whole.
void showInBrowser(Editor& editor) {
    const QString fileName = editor.currentFileName();
    if (!editor.platform().startProgram(editor.state().strWebblasare, {fileName}))
        editor.showFailure(QStringLiteral("Hittar inte webbläsaren"));
}

} // namespace

void MainWindow::Toolbar1_ButtonClick(int index) {
    Editor& editor = m_editor;
    switch (index) {
    case 1:
        editor.showDialog(QStringLiteral("frmBody"));
        break;
    case 2:
        editor.Oppna();
        break;
    case 3:
        editor.Spara();
        break;
    case 4:
        cut(editor);
        break;
    case 5:
        copy(editor);
        break;
    case 6:
        paste(editor);
        break;
    case 7:
        editor.Omslut(QStringLiteral("<B>"), QStringLiteral("</B>"));
        break;
    case 8:
        editor.Omslut(QStringLiteral("<I>"), QStringLiteral("</I>"));
        break;
    case 9:
        editor.Omslut(QStringLiteral("<U>"), QStringLiteral("</U>"));
        break;
    case 10:
        editor.Omslut(QStringLiteral("<H1>"), QStringLiteral("</H1>"));
        break;
    case 11:
        editor.Omslut(QStringLiteral("<H2>"), QStringLiteral("</H2>"));
        break;
    case 12:
        editor.Omslut(QStringLiteral("<H3>"), QStringLiteral("</H3>"));
        break;
    case 13:
        editor.Omslut(QStringLiteral("<H4>"), QStringLiteral("</H4>"));
        break;
    case 14:
        editor.Omslut(QStringLiteral("<H5>"), QStringLiteral("</H5>"));
        break;
    case 15:
        editor.Omslut(QStringLiteral("<H6>"), QStringLiteral("</H6>"));
        break;
    case 16:
        editor.writeSelectedText(QStringLiteral("<BR>"));
        break;
    case 17:
        editor.writeSelectedText(QStringLiteral("<P>"));
        break;
    case 18:
        editor.Omslut(QStringLiteral("<CENTER>"), QStringLiteral("</CENTER>"));
        break;
    default:
        break;
    }
}

void MainWindow::Toolbar2_ButtonClick(int index) {
    Editor& editor = m_editor;
    switch (index) {
    case 1:
        editor.Omslut(QStringLiteral("<HTML>"), QStringLiteral("</HTML>"));
        break;
    case 2:
        editor.Omslut(QStringLiteral("<HEAD>"), QStringLiteral("</HEAD>"));
        break;
    case 3:
        editor.Omslut(QStringLiteral("<TITLE>"), QStringLiteral("</TITLE>"));
        break;
    case 4:
        editor.Omslut(QStringLiteral("<BODY>"), QStringLiteral("</BODY>"));
        break;
    case 5:
        editor.writeSelectedText(QStringLiteral("<HR>"));
        break;
    case 6:
        editor.showDialog(QStringLiteral("frmFont"));
        break;
    case 7:
        editor.showDialog(QStringLiteral("frmLista"));
        break;
    case 8:
        editor.showDialog(QStringLiteral("frmLank"));
        break;
    case 9:
        editor.showDialog(QStringLiteral("frmBild"));
        break;
    case 10:
        editor.showDialog(QStringLiteral("frmTabell"));
        break;
    case 11:
        editor.showDialog(QStringLiteral("frmRamar"));
        break;
    case 12:
        showInBrowser(editor);
        break;
    default:
        break;
    }
}

} // namespace vimla::shell
