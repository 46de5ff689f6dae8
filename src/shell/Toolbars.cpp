#include "shell/Toolbars.h"

#include "faces/ToolbarFaces.h"
#include "shell/Editor.h"

#include <QPlainTextEdit>

namespace vimla::shell {
namespace {

using faces::Picture;
using Action = std::function<void(Editor&)>;

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

Action openDialog(const char* dialog) {
    const QString name = QString::fromLatin1(dialog);
    return [name](Editor& editor) { editor.windows().showDialog(name); };
}

struct PictureRow {
    const char16_t* accessibleName;
    Picture picture;
    Action action;
};

struct WordRow {
    const char16_t* accessibleName;
    const char16_t* word;
    Action action;
};

} // namespace

QList<ToolbarButton> toolbar1Buttons() {
    const PictureRow rows[] = {
        {u"Nytt dokument", Picture::BlankSheet, openDialog("frmBody")},
        {u"Öppna", Picture::OpeningFolder, [](Editor& e) { e.files().Oppna(); }},
        {u"Spara", Picture::Diskette, [](Editor& e) { e.files().Spara(); }},
        {u"Klipp ut", Picture::Scissors, cut},
        {u"Kopiera", Picture::TwoSheets, copy},
        {u"Klistra in", Picture::ClipboardWithSheet, paste},
        {u"Fet", Picture::BoldF, wrapIn("B")},
        {u"Kursiv", Picture::SlantedK, wrapIn("I")},
        {u"Understruken", Picture::UnderlinedU, wrapIn("U")},
        {u"Rubrik 1", Picture::H1, wrapIn("H1")},
        {u"Rubrik 2", Picture::H2, wrapIn("H2")},
        {u"Rubrik 3", Picture::H3, wrapIn("H3")},
        {u"Rubrik 4", Picture::H4, wrapIn("H4")},
        {u"Rubrik 5", Picture::H5, wrapIn("H5")},
        {u"Rubrik 6", Picture::H6, wrapIn("H6")},
        {u"Radbrytning", Picture::BR, write("<BR>")},
        {u"Nytt stycke", Picture::P, write("<P>")},
        {u"Centrera", Picture::CentredLines, wrapIn("CENTER")},
    };
    QList<ToolbarButton> buttons;
    for (const PictureRow& row : rows)
        buttons.append(
            {QString::fromUtf16(row.accessibleName), faces::pictureIcon(row.picture), row.action});
    return buttons;
}

QList<ToolbarButton> toolbar2Buttons() {
    const WordRow rows[] = {
        {u"HTML", u"HTML", wrapIn("HTML")},
        {u"HEAD", u"HEAD", wrapIn("HEAD")},
        {u"TITLE", u"TITLE", wrapIn("TITLE")},
        {u"BODY", u"BODY", wrapIn("BODY")},
        {u"Vågrät linje", u"HR", write("<HR>")},
        {u"Teckensnitt", u"FONT", openDialog("frmFont")},
        {u"Infoga lista", u"Lista", openDialog("frmLista")},
        {u"Infoga länk", u"Länk", openDialog("frmLank")},
        {u"Infoga bild", u"Bild", openDialog("frmBild")},
        {u"Infoga tabell", u"Tabell", openDialog("frmTabell")},
        {u"Ramar", u"Ramar", openDialog("frmRamar")},
        {u"Visa i webbläsaren", u"Test", showInBrowser},
    };
    QStringList words;
    for (const WordRow& row : rows)
        words << QString::fromUtf16(row.word);
    const QList<QIcon> icons = faces::wordIcons(words);
    QList<ToolbarButton> buttons;
    for (qsizetype i = 0; i < words.size(); ++i)
        buttons.append({QString::fromUtf16(rows[i].accessibleName), icons[i], rows[i].action});
    return buttons;
}

void runToolbarButton(const QList<ToolbarButton>& buttons, int index, Editor& editor) {
    if (index >= 1 && index <= buttons.size())
        buttons[index - 1].action(editor);
}

} // namespace vimla::shell
