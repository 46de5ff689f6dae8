#include "shell/DocumentWindow.h"

#include "shell/Editor.h"
#include "shell/SettingsStore.h"
#include "text/LongLines.h"
#include "text/PointSize.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QPlainTextEdit>
#include <QSet>
#include <QTextBlock>
#include <QTimer>
#include <QVBoxLayout>

namespace vimla::shell {
namespace {

// Lines up to this length wrap at blanks; a longer one makes the whole text wrap anywhere.
constexpr qsizetype kLongestWordWrappedLine = 10000;

// The caret blinking is the desktop's, one rate for every text box: it is off while any
// document window holds a very long line, and back at the desktop's rate afterwards.
class SteadyCaret {
public:
    void hold(const QObject* holder, bool on) {
        if (on)
            m_holders.insert(holder);
        else
            m_holders.remove(holder);
        if (!m_holders.isEmpty() && m_savedFlashTime < 0) {
            m_savedFlashTime = QApplication::cursorFlashTime();
            QApplication::setCursorFlashTime(0);
        } else if (m_holders.isEmpty() && m_savedFlashTime >= 0) {
            QApplication::setCursorFlashTime(m_savedFlashTime);
            m_savedFlashTime = -1;
        }
    }

private:
    QSet<const QObject*> m_holders;
    int m_savedFlashTime = -1;
};

SteadyCaret& steadyCaret() {
    static SteadyCaret caret;
    return caret;
}

} // namespace

DocumentWindow::DocumentWindow(Editor& editor, QWidget* parent)
    : QWidget(parent), m_editor(editor), m_txtHtml(new HtmlTextBox(this)) {
    setObjectName(QStringLiteral("frmHtml"));
    m_txtHtml->setObjectName(QStringLiteral("txtHtml"));
    m_txtHtml->setAccessibleName(QStringLiteral("HTML-text"));
    m_txtHtml->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_txtHtml->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_txtHtml->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_txtHtml->setTabChangesFocus(false);
    // The design font, kept when the settings name neither font nor size.
    QFont designFont(QStringLiteral("MS Sans Serif"));
    designFont.setPointSizeF(8.25);
    m_txtHtml->setFont(designFont);

    // The text box always covers the whole client area.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_txtHtml);
    setFocusProxy(m_txtHtml);

    connect(m_txtHtml, &QPlainTextEdit::textChanged, this, &DocumentWindow::txtHtml_Change);
    connect(m_txtHtml->document(), &QTextDocument::contentsChange, this,
            &DocumentWindow::txtHtml_ContentsChange);
}

DocumentWindow::~DocumentWindow() {
    setWrapsAnywhere(false); // gives the desktop its caret blinking back
}

void DocumentWindow::replaceAll(const QString& text) {
    // Looked at before it is written, so even the first layout of a long line is quick.
    setWrapsAnywhere(text::hasLineLongerThan(text, kLongestWordWrappedLine));
    m_txtHtml->expectText(text, HtmlTextBox::Incoming::ReplacesAll);
    m_scanned = Scanned::WholeText;
    m_txtHtml->setPlainText(text);
    m_scanned = Scanned::Nothing;
}

void DocumentWindow::writeSelection(const QString& text) {
    if (text::hasLineLongerThan(text, kLongestWordWrappedLine))
        setWrapsAnywhere(true);
    m_txtHtml->expectText(text, HtmlTextBox::Incoming::AddsToText);
    m_scanned = Scanned::WrittenText;
    QTextCursor cursor = m_txtHtml->textCursor();
    cursor.beginEditBlock();
    cursor.insertText(text);
    cursor.endEditBlock();
    m_txtHtml->setTextCursor(cursor);
    m_scanned = Scanned::Nothing;
}

bool DocumentWindow::wrapsAnywhere() const {
    return m_txtHtml->wordWrapMode() == QTextOption::WrapAnywhere;
}

// Every edit can make a line too long: typing, pasting, and a write joining the line it lands
// in. Only the lines the edit touched are looked at, never the whole text.
void DocumentWindow::txtHtml_ContentsChange(int position, int, int added) {
    if (m_scanned == Scanned::WholeText || wrapsAnywhere())
        return;
    const QTextDocument* document = m_txtHtml->document();
    const auto tooLong = [](const QTextBlock& block) {
        return block.length() - 1 > kLongestWordWrappedLine; // the length counts the line end
    };
    const QTextBlock first = document->findBlock(position);
    const QTextBlock last = document->findBlock(position + added);
    if (m_scanned == Scanned::WrittenText) {
        // The lines in between are the written text's own, already looked at.
        if (tooLong(first) || tooLong(last))
            setWrapsAnywhere(true);
        return;
    }
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        if (tooLong(block)) {
            setWrapsAnywhere(true);
            return;
        }
        if (block == last)
            return;
    }
}

// Wrapping anywhere is what keeps a very long line quick to edit. The caret stops blinking
// meanwhile: each blink lays the whole line out again.
void DocumentWindow::setWrapsAnywhere(bool anywhere) {
    const QTextOption::WrapMode mode =
        anywhere ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
    if (m_txtHtml->wordWrapMode() == mode)
        return;
    m_txtHtml->setWordWrapMode(mode);
    steadyCaret().hold(this, anywhere);
    // The text box reads the blinking rate when it gets the focus; told after the edit in progress.
    QTimer::singleShot(0, m_txtHtml, [box = m_txtHtml] {
        if (box->hasFocus()) {
            QFocusEvent focusIn(QEvent::FocusIn, Qt::OtherFocusReason);
            QCoreApplication::sendEvent(box, &focusIn);
        }
    });
}

void DocumentWindow::Form_Load() {
    if (!applySettings()) {
        m_editor.platform().showMessage(
            {QString(), QStringLiteral("Kunde inte hämta inställningar"), platform::Buttons::Ok,
             platform::Icon::Exclamation, platform::Answer::Ok},
            this);
        QFont font = m_txtHtml->font();
        font.setPointSize(11);
        font.setFamily(QStringLiteral("Arial"));
        m_txtHtml->setFont(font);
    }
    m_editor.setCurrentFileName(kNamnlos);
}

// False on any failure; what was read before the failure stays read.
bool DocumentWindow::applySettings() {
    EditorState& state = m_editor.state();
    const text::SettingsFields fields = SettingsStore::load(m_editor.platform());
    if (fields.textSize)
        state.intTextStorlek = *fields.textSize;
    if (fields.fontName)
        state.strTsnitt = *fields.fontName;
    if (!fields.complete())
        return false;

    QFont font = m_txtHtml->font();
    if (!state.strTsnitt.isEmpty())
        font.setFamily(state.strTsnitt);
    if (state.intTextStorlek != 0) {
        if (!text::isAcceptedPointSize(state.intTextStorlek))
            return false;
        font.setPointSize(state.intTextStorlek);
    }
    m_txtHtml->setFont(font);
    if (!fields.browserPath->isEmpty())
        state.strWebblasare = *fields.browserPath;
    return true;
}

void DocumentWindow::txtHtml_Change() {
    m_editor.markChanged();
}

void DocumentWindow::closeEvent(QCloseEvent* event) {
    if (m_editor.isEnding()) {
        event->accept();
        return;
    }
    Form_QueryUnload(event);
}

void DocumentWindow::Form_QueryUnload(QCloseEvent* event) {
    if (m_editor.state().strAndrad != kJa) {
        event->accept();
        m_editor.endProgram();
        return;
    }
    const Decision decision = m_editor.files().askToSaveChanges(SaveQuestion{kAskBeforeEnding});
    if (decision == Decision::Stop) {
        event->ignore();
        return;
    }
    event->accept();
    m_editor.documentWindowUnloaded();
}

} // namespace vimla::shell
