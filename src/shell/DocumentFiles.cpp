#include "shell/DocumentFiles.h"

#include "shell/DocumentWindow.h"
#include "shell/Editor.h"
#include "text/FileEncoding.h"

#include <QFileInfo>
#include <QPlainTextEdit>

namespace vimla::shell {
namespace {

using platform::Answer;

const QString kSaveFailed = QStringLiteral("Ett fel har uppstått. Filen sparades inte");

// Larger files would not fit the editor's memory comfortably; they are refused with a message.
constexpr qint64 kLargestDocumentBytes = 256LL * 1024 * 1024;

} // namespace

void DocumentFiles::Oppna() {
    m_editor.frmHtml();
    const platform::FileChoice choice = m_editor.platform().showFileDialog(
        {platform::FileDialogKind::Open, QStringLiteral("html-filer|*.html;*.htm|Alla filer|*.*"),
         m_dialogFileName, QString(), QString()},
        nullptr);
    if (choice.cancelled)
        return;
    m_dialogFileName = choice.fullPath;
    openChosenFile(choice);
}

void DocumentFiles::openChosenFile(const platform::FileChoice& choice) {
    platform::Platform& platform = m_editor.platform();
    if (choice.fullPath == m_editor.currentFileName()) {
        platform.showMessage({kProgramTitle, choice.fileName + QStringLiteral(" är redan öppen!"),
                              platform::Buttons::Ok, platform::Icon::None, Answer::Ok},
                             nullptr);
        return;
    }
    if (askToSaveChanges(SaveQuestion{kAskBeforeGoingOn}) == Decision::Stop)
        return;
    if (choice.fullPath.isEmpty())
        return;
    if (platform.fileSize(choice.fullPath).value_or(0) > kLargestDocumentBytes) {
        m_editor.showFailure(QStringLiteral("Filen är för stor för att öppnas."));
        return;
    }
    std::optional<QByteArray> bytes = platform.readFile(choice.fullPath, kLargestDocumentBytes);
    if (!bytes) {
        m_editor.showFailure(QStringLiteral("Hittar inte filen"));
        return;
    }
    text::DecodedFile contents = text::decodeFile(*bytes);
    bytes.reset(); // the bytes are no longer needed while the editor fills
    m_editor.frmHtml().replaceAll(contents.editorText);
    contents.editorText.clear();
    m_editor.setCurrentFileName(choice.fullPath);
    m_editor.frmHtml().setEncoding(contents.encoding);
    m_editor.markUnchanged();
}

SaveOutcome DocumentFiles::Spara() {
    m_editor.state()
        .strAvbrutet.clear(); // a flag left by an earlier cancelled save must not count now
    const QString fileName = m_editor.currentFileName();
    if (fileName == kNamnlos)
        return SparaSom();
    return SkrivFil(fileName);
}

SaveOutcome DocumentFiles::SparaSom() {
    EditorState& state = m_editor.state();
    platform::Platform& platform = m_editor.platform();
    state.strAvbrutet.clear();
    m_editor.frmHtml();
    for (;;) {
        m_dialogFileName.clear();
        const platform::FileChoice choice = platform.showFileDialog(
            {platform::FileDialogKind::Save, QStringLiteral("HTML dokument|*.html;*.htm"),
             QString(), QStringLiteral("html"), QString()},
            nullptr);
        if (choice.cancelled) {
            state.strAvbrutet = kJa;
            return SaveOutcome::Cancelled;
        }
        m_dialogFileName = choice.fullPath;
        if (choice.fullPath.isEmpty() || choice.fileName.isEmpty()) {
            m_editor.showFailure(kSaveFailed);
            return SaveOutcome::Failed;
        }
        // Every file of that exact name counts, hidden ones too.
        const QString folder = QFileInfo(choice.fullPath).absolutePath();
        if (platform.fileNamesIn(folder).contains(choice.fileName, Qt::CaseSensitive)) {
            const Answer answer =
                m_editor.askYesNoCancel(QStringLiteral("Filen ") + choice.fileName +
                                        QStringLiteral(" finns redan. Ersätta befintlig fil?"));
            if (answer == Answer::No)
                continue;
            if (answer != Answer::Yes) {
                state.strAvbrutet = kJa;
                return SaveOutcome::Cancelled;
            }
        }
        return SkrivFil(choice.fullPath);
    }
}

SaveOutcome DocumentFiles::SkrivFil(const QString& path) {
    const QByteArray bytes =
        text::encodeFile(m_editor.txtHtml().document()->toRawText(), m_editor.frmHtml().encoding());
    if (m_editor.platform().writeFileAtomically(path, bytes) != platform::WriteResult::Written) {
        m_editor.showFailure(kSaveFailed);
        return SaveOutcome::Failed;
    }
    m_editor.markUnchanged();
    m_editor.setCurrentFileName(path);
    return SaveOutcome::Saved;
}

Decision DocumentFiles::askToSaveChanges(const SaveQuestion& question) {
    EditorState& state = m_editor.state();
    if (state.strAndrad != kJa)
        return Decision::Proceed;
    const Answer answer = m_editor.askYesNoCancel(question.text, question.title);
    if (answer == Answer::No)
        return Decision::Proceed;
    if (answer == Answer::Yes) {
        const SaveOutcome outcome = Spara();
        if (question.afterYes)
            question.afterYes();
        // A failed save stops the caller too: the text it would drop is in no file.
        if (state.strAvbrutet != kJa && outcome == SaveOutcome::Saved)
            return Decision::Proceed;
    }
    state.strAvbrutet.clear();
    return Decision::Stop;
}

} // namespace vimla::shell
