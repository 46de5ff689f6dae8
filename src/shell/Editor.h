#pragma once

#include "platform/Platform.h"
#include "shell/EditorState.h"

#include <QHash>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class QPlainTextEdit;
class QWidget;

namespace vimla::shell {

class DocumentWindow;
class MainWindow;

enum class SaveOutcome { Saved, Cancelled, Failed };
enum class Decision { Proceed, Stop };

// The unsaved-changes question: its wording differs between callers, its rules do not.
struct SaveQuestion {
    explicit SaveQuestion(QString text, QString title = kProgramTitle,
                          std::function<void()> afterSave = {})
        : text(std::move(text)), title(std::move(title)), afterSave(std::move(afterSave)) {}

    QString text;
    QString title;
    // Runs after the save on Yes and before the cancel test (the page templates rename the
    // document there).
    std::function<void()> afterSave;
};

// The program's shared module: the editor state, the document procedures and the windows. Every
// window reaches the document and the desktop through it.
class Editor : public QObject {
    Q_OBJECT
public:
    explicit Editor(platform::Platform& platform);
    ~Editor() override;

    // Start-up: shows the frame and loads the document window into it.
    void start();

    platform::Platform& platform() { return m_platform; }
    EditorState& state() { return m_state; }
    const EditorState& state() const { return m_state; }

    MainWindow& mdiForm1();
    // The document window; a fresh one is loaded first when the pupil has closed it.
    DocumentWindow& frmHtml();
    QPlainTextEdit& txtHtml();
    bool hasDocumentWindow() const { return !m_document.isNull(); }

    // The current file name is the document window's caption.
    QString currentFileName();
    void setCurrentFileName(const QString& fileName);
    QString statusText() const;
    void setStatusText(const QString& text);
    void markChanged();   // strAndrad "ja", status "Ändrad"
    void markUnchanged(); // strAndrad "", status empty

    // The whole text and the selection, with CR LF line breaks.
    QString text();
    void setText(const QString& text);
    QString selectedText();
    // Replaces the selection (or inserts at the caret) as one undo step; the caret ends behind
    // the written text with nothing selected.
    void writeSelectedText(const QString& text);
    void Omslut(const QString& openingTag, const QString& closingTag);

    // Opening and saving.
    void Oppna();
    SaveOutcome Spara();
    SaveOutcome SparaSom();
    SaveOutcome SkrivFil(const QString& path);
    // Asks only while the text is changed; Proceed means the caller may drop the text.
    Decision askToSaveChanges(const SaveQuestion& question);

    // Dialog modality: the document window is disabled while a toolbar dialog is open.
    void EditorAv();
    void EditorPa();

    // Menu commands.
    void mnuStäng_Click();
    void mnuSparasom_Click();
    void mnuInställningar_Click();
    void mnuAvsluta_Click();

    // The closing of the frame window by the window system; true when it may close.
    bool frameCloseRequested();

    // Message boxes with the program's title.
    void showFailure(const QString& text, const QString& title = kProgramTitle);
    platform::Answer askYesNoCancel(const QString& text, const QString& title = kProgramTitle);

    // Windows other than the frame and the document are registered by name and exist at most
    // once: showing one that is open brings it to the front with its contents.
    using WindowFactory = std::function<QWidget*(Editor&)>;
    void registerWindow(const QString& objectName, WindowFactory factory);
    QWidget* showWindow(const QString& objectName);
    QWidget* openWindow(const QString& objectName) const;
    // EditorAv, then the dialog: what a toolbar button that opens a dialog does.
    QWidget* showDialog(const QString& objectName);

    // The pupil closed the document window without ending the program: its text is gone, so
    // nothing unsaved is left, and the next command loads a fresh window.
    void documentWindowUnloaded();

    // Ends the program at once: no further close handling or question.
    void endProgram();
    bool isEnding() const { return m_ending; }

signals:
    // A fresh document window was loaded (at start-up or after the pupil closed the last one).
    void documentWindowLoaded();

private:
    void loadDocumentWindow();
    // Replaces the whole text, given with the editor's own line breaks.
    void replaceText(const QString& editorText);
    QWidget* dialogParent();
    SaveOutcome writeAfterOverwriteQuestion(const platform::FileChoice& choice, bool& askAgain);

    platform::Platform& m_platform;
    EditorState m_state;
    std::unique_ptr<MainWindow> m_mainWindow;
    QPointer<DocumentWindow> m_document;
    QHash<QString, WindowFactory> m_factories;
    QHash<QString, QPointer<QWidget>> m_windows;
    bool m_ending = false;
};

} // namespace vimla::shell
