#include "shell/DocumentWindow.h"

#include "shell/Editor.h"
#include "shell/SettingsLocation.h"
#include "text/LongLines.h"
#include "text/PointSize.h"
#include "text/SettingsFile.h"
#include "text/Windows1252.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QVBoxLayout>

namespace vimla::shell {
namespace {

// Lines up to this length wrap at blanks; a longer one makes the whole text wrap anywhere.
constexpr qsizetype kLongestWordWrappedLine = 10000;

} // namespace

DocumentWindow::DocumentWindow(Editor& editor, QWidget* parent)
    : QWidget(parent), m_editor(editor), m_txtHtml(new QPlainTextEdit(this)) {
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

void DocumentWindow::adaptWrappingTo(QStringView incoming, Incoming how) {
    const bool longLine = text::hasLineLongerThan(incoming, kLongestWordWrappedLine);
    if (how == Incoming::ReplacesAll)
        setWrapsAnywhere(longLine);
    else if (longLine)
        setWrapsAnywhere(true);
}

// Typing and pasting with the keyboard can make a line long too; only the changed lines are
// looked at, never the whole text.
void DocumentWindow::txtHtml_ContentsChange(int position, int, int added) {
    if (m_incomingChecked || m_txtHtml->wordWrapMode() == QTextOption::WrapAnywhere)
        return;
    for (QTextBlock block = m_txtHtml->document()->findBlock(position);
         block.isValid() && block.position() <= position + added; block = block.next()) {
        if (block.length() > kLongestWordWrappedLine) {
            setWrapsAnywhere(true);
            return;
        }
    }
}

void DocumentWindow::setWrapsAnywhere(bool anywhere) {
    const QTextOption::WrapMode mode =
        anywhere ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
    if (m_txtHtml->wordWrapMode() != mode)
        m_txtHtml->setWordWrapMode(mode);
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
    platform::Platform& platform = m_editor.platform();
    const std::optional<QByteArray> bytes =
        platform.readFile(settingsFileToRead(platform), kSettingsFileMaxBytes);
    if (!bytes)
        return false;
    const text::SettingsFields fields = text::readSettingsFields(text::decodeWindows1252(*bytes));
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
    const Decision decision = m_editor.askToSaveChanges(SaveQuestion{
        QStringLiteral("Texten i editorn är ändrad! Vill du spara innan du avslutar?")});
    if (decision == Decision::Stop) {
        event->ignore();
        return;
    }
    event->accept();
    m_editor.documentWindowUnloaded();
}

} // namespace vimla::shell
