#pragma once

#include "platform/Platform.h"
#include "shell/EditorState.h"

#include <QString>

#include <functional>

namespace vimla::shell {

class Editor;

enum class SaveOutcome { Saved, Cancelled, Failed };
enum class Decision { Proceed, Stop };

// The unsaved-changes questions, each worded once.
inline const QString kAskBeforeGoingOn =
    QStringLiteral("Texten i editorn är ändrad! Vill du spara innan du går vidare?");
inline const QString kAskBeforeEnding =
    QStringLiteral("Texten i editorn är ändrad! Vill du spara innan du avslutar?");
// The page templates ask under a title of their own.
inline const QString kTemplateQuestionTitle = QStringLiteral("HTML-editor");

// The unsaved-changes question: its wording differs between callers, its rules do not.
struct SaveQuestion {
    explicit SaveQuestion(QString text, QString title = kProgramTitle,
                          std::function<void()> afterYes = {})
        : text(std::move(text)), title(std::move(title)), afterYes(std::move(afterYes)) {}

    QString text;
    QString title;
    // Runs on Yes once the save has run, whatever came of it, before the cancel test (the page
    // templates rename the document there).
    std::function<void()> afterYes;
};

// The file procedures: opening, saving and the question that offers to save first. They keep
// the editor state up to date; every failure ends in one message.
class DocumentFiles {
public:
    explicit DocumentFiles(Editor& editor) : m_editor(editor) {}

    void Oppna();
    // What opening does once a file is chosen: the same file, the question, the reading.
    void openChosenFile(const platform::FileChoice& choice);
    SaveOutcome Spara();
    SaveOutcome SparaSom();
    SaveOutcome SkrivFil(const QString& path);

    // Asks only while the text is changed; Proceed means the caller may drop the text.
    Decision askToSaveChanges(const SaveQuestion& question);

    // The file name the open dialog starts from: the last one chosen in either dialog. It
    // belongs to the document window, so a freshly loaded window starts without one.
    QString dialogFileName() const { return m_dialogFileName; }
    void forgetDialogFileName() { m_dialogFileName.clear(); }

private:
    Editor& m_editor;
    QString m_dialogFileName;
};

} // namespace vimla::shell
