#include "shell/Editor.h"

#include "shell/DocumentWindow.h"
#include "shell/MainWindow.h"
#include "text/Windows1252.h"

#include <QFileInfo>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

namespace vimla::shell {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

const QString kSaveFailed = QStringLiteral("Ett fel har uppstått. Filen sparades inte");
const QString kAskBeforeGoingOn =
    QStringLiteral("Texten i editorn är ändrad! Vill du spara innan du går vidare?");
const QString kAskBeforeEnding =
    QStringLiteral("Texten i editorn är ändrad! Vill du spara innan du avslutar?");

// Larger files would not fit the editor's memory comfortably; they are refused with a message.
constexpr qint64 kLargestDocumentBytes = 256LL * 1024 * 1024;

} // namespace

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
}

QString Editor::statusText() const {
    return m_mainWindow ? m_mainWindow->statusText() : QString();
}

void Editor::setStatusText(const QString& text) {
    m_mainWindow->setStatusText(text);
}

void Editor::markChanged() {
    m_state.strAndrad = kJa;
    setStatusText(kChangedStatus);
}

void Editor::markUnchanged() {
    m_state.strAndrad.clear();
    setStatusText(QString());
}

QString Editor::text() {
    return text::fromEditorLineBreaks(txtHtml().document()->toRawText());
}

void Editor::setText(const QString& text) {
    replaceText(text::toEditorLineBreaks(text));
}

void Editor::replaceText(const QString& editorText) {
    DocumentWindow& document = frmHtml();
    document.adaptWrappingTo(editorText, DocumentWindow::Incoming::ReplacesAll);
    document.setIncomingChecked(true);
    document.txtHtml().setPlainText(editorText);
    document.setIncomingChecked(false);
}

QString Editor::selectedText() {
    return text::fromEditorLineBreaks(txtHtml().textCursor().selectedText());
}

void Editor::writeSelectedText(const QString& text) {
    DocumentWindow& document = frmHtml();
    document.adaptWrappingTo(text, DocumentWindow::Incoming::AddsToText);
    document.setIncomingChecked(true);
    QTextCursor cursor = document.txtHtml().textCursor();
    cursor.beginEditBlock();
    cursor.insertText(text::toEditorLineBreaks(text));
    cursor.endEditBlock();
    document.txtHtml().setTextCursor(cursor);
    document.setIncomingChecked(false);
}

void Editor::Omslut(const QString& openingTag, const QString& closingTag) {
    // The selection is held here rather than read back from the clipboard, so another program
    // writing the clipboard meanwhile cannot change what is inserted.
    const QString selection = selectedText();
    m_platform.clearClipboard();
    m_platform.setClipboardText(selection);
    writeSelectedText(openingTag + selection + closingTag);
}

void Editor::Oppna() {
    DocumentWindow& document = frmHtml();
    const platform::FileChoice choice = m_platform.showFileDialog(
        {platform::FileDialogKind::Open, QStringLiteral("html-filer|*.html;*.htm|Alla filer|*.*"),
         document.dialogFileName(), QString()},
        nullptr);
    if (choice.cancelled)
        return;
    document.setDialogFileName(choice.fullPath);
    if (choice.fullPath == currentFileName()) {
        m_platform.showMessage({kProgramTitle, choice.fileName + QStringLiteral(" är redan öppen!"),
                                Buttons::Ok, Icon::None, Answer::Ok},
                               nullptr);
        return;
    }
    if (askToSaveChanges(SaveQuestion{kAskBeforeGoingOn}) == Decision::Stop)
        return;
    if (choice.fullPath.isEmpty())
        return;
    if (m_platform.fileSize(choice.fullPath).value_or(0) > kLargestDocumentBytes) {
        showFailure(QStringLiteral("Filen är för stor för att öppnas."));
        return;
    }
    std::optional<QByteArray> bytes = m_platform.readFile(choice.fullPath, kLargestDocumentBytes);
    if (!bytes) {
        showFailure(QStringLiteral("Hittar inte filen"));
        return;
    }
    QString contents = text::decodeDocument(*bytes);
    bytes.reset(); // the bytes are no longer needed while the editor fills
    replaceText(contents);
    contents.clear();
    setCurrentFileName(choice.fullPath);
    markUnchanged();
}

SaveOutcome Editor::Spara() {
    m_state.strAvbrutet.clear(); // a flag left by an earlier cancelled save must not count now
    const QString fileName = currentFileName();
    if (fileName == kNamnlos)
        return SparaSom();
    return SkrivFil(fileName);
}

SaveOutcome Editor::SparaSom() {
    m_state.strAvbrutet.clear();
    DocumentWindow& document = frmHtml();
    for (;;) {
        document.setDialogFileName(QString());
        const platform::FileChoice choice = m_platform.showFileDialog(
            {platform::FileDialogKind::Save, QStringLiteral("HTML dokument|*.html;*.htm"),
             QString(), QStringLiteral("html")},
            nullptr);
        if (choice.cancelled) {
            m_state.strAvbrutet = kJa;
            return SaveOutcome::Cancelled;
        }
        document.setDialogFileName(choice.fullPath);
        if (choice.fullPath.isEmpty() || choice.fileName.isEmpty()) {
            showFailure(kSaveFailed);
            return SaveOutcome::Failed;
        }
        // Every file of that exact name counts, hidden ones too.
        const QString folder = QFileInfo(choice.fullPath).absolutePath();
        if (m_platform.fileNamesIn(folder).contains(choice.fileName, Qt::CaseSensitive)) {
            const Answer answer =
                askYesNoCancel(QStringLiteral("Filen ") + choice.fileName +
                               QStringLiteral(" finns redan. Ersätta befintlig fil?"));
            if (answer == Answer::No)
                continue;
            if (answer != Answer::Yes) {
                m_state.strAvbrutet = kJa;
                return SaveOutcome::Cancelled;
            }
        }
        return SkrivFil(choice.fullPath);
    }
}

SaveOutcome Editor::SkrivFil(const QString& path) {
    QByteArray bytes = text::encodeDocument(txtHtml().document()->toRawText());
    bytes += "\r\n";
    if (m_platform.writeFileAtomically(path, bytes) != platform::WriteResult::Written) {
        showFailure(kSaveFailed);
        return SaveOutcome::Failed;
    }
    markUnchanged();
    setCurrentFileName(path);
    return SaveOutcome::Saved;
}

Decision Editor::askToSaveChanges(const SaveQuestion& question) {
    if (m_state.strAndrad != kJa)
        return Decision::Proceed;
    const Answer answer = askYesNoCancel(question.text, question.title);
    if (answer == Answer::No)
        return Decision::Proceed;
    if (answer == Answer::Yes) {
        const SaveOutcome outcome = Spara();
        if (question.afterSave)
            question.afterSave();
        // A failed save stops the caller too: the text it would drop is in no file.
        if (m_state.strAvbrutet != kJa && outcome == SaveOutcome::Saved)
            return Decision::Proceed;
    }
    m_state.strAvbrutet.clear();
    return Decision::Stop;
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

void Editor::mnuStäng_Click() {
    frmHtml();
    if (askToSaveChanges(SaveQuestion{kAskBeforeGoingOn}) == Decision::Stop)
        return;
    setCurrentFileName(kNamnlos);
    setText(QString());
    markUnchanged();
}

void Editor::mnuSparasom_Click() {
    SparaSom();
}

void Editor::mnuInställningar_Click() {
    frmHtml();
    showWindow(QStringLiteral("frmInst"));
}

void Editor::mnuAvsluta_Click() {
    if (askToSaveChanges(SaveQuestion{kAskBeforeEnding}) == Decision::Stop)
        return;
    endProgram();
}

bool Editor::frameCloseRequested() {
    if (m_document && !m_document->parentWidget()->close())
        return false;
    if (!m_ending)
        endProgram(); // the frame closing is the program ending
    return true;
}

void Editor::showFailure(const QString& text, const QString& title) {
    m_platform.showMessage({title, text, Buttons::Ok, Icon::Exclamation, Answer::Ok}, nullptr);
}

Answer Editor::askYesNoCancel(const QString& text, const QString& title) {
    return m_platform.showMessage({title, text, Buttons::YesNoCancel, Icon::None, Answer::Yes},
                                  nullptr);
}

void Editor::registerWindow(const QString& objectName, WindowFactory factory) {
    m_factories.insert(objectName, std::move(factory));
}

QWidget* Editor::openWindow(const QString& objectName) const {
    const QPointer<QWidget> window = m_windows.value(objectName);
    return window && window->isVisible() ? window.data() : nullptr;
}

QWidget* Editor::showWindow(const QString& objectName) {
    QWidget* window = openWindow(objectName);
    if (!window) {
        const auto factory = m_factories.constFind(objectName);
        if (factory == m_factories.cend())
            return nullptr;
        window = (*factory)(*this);
        if (!window)
            return nullptr;
        m_windows.insert(objectName, window);
    }
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    window->raise();
    window->activateWindow();
    return window;
}

QWidget* Editor::showDialog(const QString& objectName) {
    const QPointer<QWidget> documentFrame = frmHtml().parentWidget();
    const bool wasEnabled = documentFrame->isEnabled();
    EditorAv();
    QWidget* window = showWindow(objectName);
    if (!window && documentFrame) // no dialog will enable the document window again
        documentFrame->setEnabled(wasEnabled);
    return window;
}

void Editor::documentWindowUnloaded() {
    m_document.clear();
    markUnchanged();
}

void Editor::endProgram() {
    m_ending = true;
    m_platform.endProgram();
}

} // namespace vimla::shell
