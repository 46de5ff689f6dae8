#pragma once

#include "shell/HtmlTextBox.h"
#include "text/FileEncoding.h"

#include <QWidget>

namespace vimla::shell {

class Editor;

// frmHtml: the one document window, holding the HTML text box txtHtml. Every write the program
// makes into the text goes through it, so the long-line guard sees every edit.
class DocumentWindow : public QWidget {
    Q_OBJECT
public:
    explicit DocumentWindow(Editor& editor, QWidget* parent = nullptr);
    ~DocumentWindow() override;

    QPlainTextEdit& txtHtml() { return *m_txtHtml; }

    // Reads the settings, applies the editor font and names the document "Namnlös".
    void Form_Load();

    // Both take the text with the editor's own line breaks. replaceAll replaces the whole text;
    // writeSelection replaces the selection (or inserts at the caret) as one undo step and leaves
    // the caret behind the written text with nothing selected.
    void replaceAll(const QString& text);
    void writeSelection(const QString& text);

    // Whether the text wraps at any character because a line is too long to wrap at blanks.
    bool wrapsAnywhere() const;

    // How the document's file is written; a document without a file is Windows-1252.
    const text::FileEncoding& encoding() const { return m_encoding; }
    void setEncoding(const text::FileEncoding& encoding) { m_encoding = encoding; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // What the long-line guard already knows of an edit in progress.
    enum class Scanned { Nothing, WholeText, WrittenText };

    void txtHtml_Change();
    void txtHtml_ContentsChange(int position, int removed, int added);
    void setWrapsAnywhere(bool anywhere);
    bool applySettings();
    void Form_QueryUnload(QCloseEvent* event);

    Editor& m_editor;
    HtmlTextBox* m_txtHtml;
    Scanned m_scanned = Scanned::Nothing;
    text::FileEncoding m_encoding;
};

} // namespace vimla::shell
