#include "shell/Shortcuts.h"

#include "shell/DocumentWindow.h"
#include "shell/Editor.h"
#include "shell/MainWindow.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QToolBar>

#include <functional>

namespace vimla::shell {
namespace {

// While a toolbar dialog is open the document window is disabled, and a key must not reach
// around the dialog into the text.
bool documentAcceptsInput(Editor& editor) {
    return !editor.hasDocumentWindow() || editor.frmHtml().parentWidget()->isEnabled();
}

void addShortcut(MainWindow& window, Editor& editor, const QKeySequence& keys,
                 std::function<void()> command) {
    auto* shortcut = new QShortcut(keys, &window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &window,
                     [&editor, command = std::move(command)] {
                         if (documentAcceptsInput(editor))
                             command();
                     });
}

} // namespace

void installShortcuts(MainWindow& window, Editor& editor) {
    const struct {
        QKeyCombination keys;
        int toolbar1Index; // the button the key presses
    } buttons[] = {
        {Qt::CTRL | Qt::Key_O, 2}, {Qt::CTRL | Qt::Key_S, 3}, {Qt::CTRL | Qt::Key_B, 7},
        {Qt::CTRL | Qt::Key_I, 8}, {Qt::CTRL | Qt::Key_U, 9},
    };
    for (const auto& button : buttons) {
        QAction* action = window.toolbar1().actions().value(button.toolbar1Index - 1);
        addShortcut(window, editor, QKeySequence(button.keys), [action] { action->trigger(); });
    }
    addShortcut(window, editor, QKeySequence(Qt::CTRL | Qt::Key_Y),
                [&editor] { editor.txtHtml().redo(); });
}

} // namespace vimla::shell
