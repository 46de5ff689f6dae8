#pragma once

#include <QIcon>
#include <QList>
#include <QString>

#include <functional>

namespace vimla::shell {

class Editor;

// One button of a toolbar: what screen readers call it (it has no caption), what it shows and
// what it does. A button is known by its 1-based place in its toolbar's list.
struct ToolbarButton {
    QString accessibleName;
    QIcon face;
    std::function<void(Editor&)> action;
};

QList<ToolbarButton> toolbar1Buttons(); // 18 buttons: files, clipboard, text markup
QList<ToolbarButton> toolbar2Buttons(); // 12 buttons: page structure, dialogs, the browser

// Runs the action of the button at the 1-based index; an index outside the toolbar does nothing.
void runToolbarButton(const QList<ToolbarButton>& buttons, int index, Editor& editor);

} // namespace vimla::shell
