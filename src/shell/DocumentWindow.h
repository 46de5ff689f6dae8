#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace vimla::shell {

class Editor;

// frmHtml: the one document window, holding the HTML text box txtHtml.
class DocumentWindow : public QWidget {
    Q_OBJECT
public:
    explicit DocumentWindow(Editor& editor, QWidget* parent = nullptr);

    QPlainTextEdit& txtHtml() { return *m_txtHtml; }

    // Reads the settings, applies the editor font and names the document "Namnlös".
    void Form_Load();

    enum class Incoming { ReplacesAll, AddsToText };
    // Word wrapping costs the square of a line's length when the line has no blank to break at,
    // so a text with a very long line wraps at any character instead. Called before text is
    // written, so even the first layout of such a line is quick.
    void adaptWrappingTo(QStringView incoming, Incoming how);
    // Set around a write whose text adaptWrappingTo has looked at, so the change is not looked
    // at a second time.
    void setIncomingChecked(bool checked) { m_incomingChecked = checked; }

    // The file name that the open and save dialogs start from; it survives between uses.
    QString dialogFileName() const { return m_dialogFileName; }
    void setDialogFileName(const QString& name) { m_dialogFileName = name; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void txtHtml_Change();
    void txtHtml_ContentsChange(int position, int removed, int added);
    void setWrapsAnywhere(bool anywhere);
    bool applySettings();
    void Form_QueryUnload(QCloseEvent* event);

    Editor& m_editor;
    QPlainTextEdit* m_txtHtml;
    QString m_dialogFileName;
    bool m_incomingChecked = false;
};

} // namespace vimla::shell
