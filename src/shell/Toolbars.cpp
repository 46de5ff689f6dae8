// What the buttons of the two toolbars do. Each button is known by its 1-based index.
#include "shell/Editor.h"
#include "shell/MainWindow.h"

#include <QPlainTextEdit>
#include <functional>
#include <vector>

namespace vimla::shell {
namespace {

void copy(Editor& editor) {
    const QString selection = editor.selectedText();
    editor.platform().clearClipboard();
    editor.platform().setClipboardText(selection);
}

void cut(Editor& editor) {
    copy(editor);
    if (editor.txtHtml().textCursor().hasSelection()) // nothing selected: the text stays as it is
        editor.writeSelectedText(QString());
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

using Action = std::function<void(Editor&)>;

Action wrapIn(const char* tag) {
    const QString name = QString::fromLatin1(tag);
    return [name](Editor& editor) {
        editor.Omslut(QLatin1Char('<') + name + QLatin1Char('>'),
                      QLatin1String("</") + name + QLatin1Char('>'));
    };
}

Action write(const char* tag) {
    const QString text = QString::fromLatin1(tag);
    return [text](Editor& editor) { editor.writeSelectedText(text); };
}

Action open(const char* dialog) {
    const QString name = QString::fromLatin1(dialog);
    return [name](Editor& editor) { editor.showDialog(name); };
}

// Runs the action of the 1-based index; an index outside the toolbar does nothing.
void dispatch(const std::vector<Action>& actions, int index, Editor& editor) {
    if (index >= 1 && index <= int(actions.size()))
        actions[size_t(index - 1)](editor);
}

} // namespace

void MainWindow::Toolbar1_ButtonClick(int index) {
    static const std::vector<Action> actions{open("frmBody"),
                                             [](Editor& e) { e.Oppna(); },
                                             [](Editor& e) { e.Spara(); },
                                             cut,
                                             copy,
                                             paste,
                                             wrapIn("B"),
                                             wrapIn("I"),
                                             wrapIn("U"),
                                             wrapIn("H1"),
                                             wrapIn("H2"),
                                             wrapIn("H3"),
                                             wrapIn("H4"),
                                             wrapIn("H5"),
                                             wrapIn("H6"),
                                             write("<BR>"),
                                             write("<P>"),
                                             wrapIn("CENTER")};
    dispatch(actions, index, m_editor);
}

void MainWindow::Toolbar2_ButtonClick(int index) {
    static const std::vector<Action> actions{wrapIn("HTML"),    wrapIn("HEAD"),   wrapIn("TITLE"),
                                             wrapIn("BODY"),    write("<HR>"),    open("frmFont"),
                                             open("frmLista"),  open("frmLank"),  open("frmBild"),
                                             open("frmTabell"), open("frmRamar"), showInBrowser};
    dispatch(actions, index, m_editor);
}

} // namespace vimla::shell
