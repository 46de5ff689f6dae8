#include "shell/Editor.h"

#include "shell/DocumentWindow.h"
#include "shell/MainWindow.h"
#include "text/Windows1252.h"

#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace vimla::shell {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

Editor::Editor(platform::Platform& platform) : m_platform(platform) {}

Editor::~Editor() {
    m_ending = true; // windows destroyed with the program ask nothing
    m_mainWindow.reset();
}

void Editor::start() {
    m_mainWindow = std::make_unique<MainWindow>(*this);
    const QSize screen = m_platform.screenSize();
    const QSize size(screen.width() * 2 / 3, screen.height() * 2 / 3);
    m_mainWindow->resize(size);
    m_mainWindow->move((screen.width() - size.width()) / 2, (screen.height() - size.height()) / 2);
    // The document window goes in before the frame is shown, so start-up lays out and paints once.
    m_mainWindow->layout()->activate();
    loadDocumentWindow();
    m_mainWindow->show();
}

MainWindow& Editor::mdiForm1() {
    return *m_mainWindow;
}

void Editor::loadDocumentWindow() {
    auto* document = new DocumentWindow(*this);
    m_document = document;
    m_files.forgetDialogFileName();
    m_mainWindow->addDocumentWindow(document);
    document->Form_Load();
    document->txtHtml().setFocus();
    emit documentWindowLoaded();
}

DocumentWindow& Editor::frmHtml() {
    if (!m_document)
        loadDocumentWindow();
    return *m_document;
}

QPlainTextEdit& Editor::txtHtml() {
    return frmHtml().txtHtml();
}

QString Editor::currentFileName() {
    return frmHtml().windowTitle();
}

void Editor::setCurrentFileName(const QString& fileName) {
    frmHtml().setWindowTitle(fileName);
    if (fileName != kNamnlos)
        return;
    frmHtml().setEncoding({}); // a document without a file is written as a new one
    emit changesDropped();
}

QString Editor::statusText() const {
    return m_mainWindow ? m_mainWindow->statusText() : QString();
}

void Editor::markChanged() {
    m_state.strAndrad = kJa;
    m_mainWindow->setStatusText(kChangedStatus);
    emit changeMarked();
}

void Editor::markUnchanged() {
    m_state.strAndrad.clear();
    m_mainWindow->setStatusText(QString());
    emit changesDropped();
}

QString Editor::text() {
    return text::fromEditorLineBreaks(txtHtml().document()->toRawText());
}

void Editor::setText(const QString& text) {
    frmHtml().replaceAll(text::toEditorLineBreaks(text));
}

QString Editor::selectedText() {
    return text::fromEditorLineBreaks(txtHtml().textCursor().selectedText());
}

void Editor::writeSelectedText(const QString& text) {
    frmHtml().writeSelection(text::toEditorLineBreaks(text));
}

void Editor::Omslut(const QString& openingTag, const QString& closingTag) {
    // The selection is held here rather than read back from the clipboard, so another program
    // writing the clipboard meanwhile cannot change what is inserted.
    const QString selection = selectedText();
    m_platform.clearClipboard();
    m_platform.setClipboardText(selection);
    writeSelectedText(openingTag + selection + closingTag);
}

void Editor::startEmptyUnnamedDocument() {
    // Emptying the text marks it changed; the mark is taken back afterwards.
    setCurrentFileName(kNamnlos);
    setText(QString());
    markUnchanged();
}

void Editor::EditorAv() {
    frmHtml().parentWidget()->setEnabled(false);
}

void Editor::EditorPa() {
    DocumentWindow& document = frmHtml();
    document.parentWidget()->setEnabled(true);
    m_mainWindow->activateWindow();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(document.parentWidget()))
        m_mainWindow->mdiArea().setActiveSubWindow(sub);
    document.txtHtml().setFocus();
}

void Editor::showFailure(const QString& text, const QString& title) {
    m_platform.showMessage({title, text, Buttons::Ok, Icon::Exclamation, Answer::Ok}, nullptr);
}

Answer Editor::askYesNoCancel(const QString& text, const QString& title) {
    return m_platform.showMessage({title, text, Buttons::YesNoCancel, Icon::None, Answer::Yes},
                                  nullptr);
}

void Editor::documentWindowUnloaded() {
    m_document.clear();
    markUnchanged();
}

void Editor::endProgram() {
    m_ending = true;
    emit programEnding();
    m_platform.endProgram();
}

} // namespace vimla::shell
