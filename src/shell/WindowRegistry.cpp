#include "shell/WindowRegistry.h"

#include "shell/DocumentWindow.h"
#include "shell/Editor.h"

namespace vimla::shell {

void WindowRegistry::registerWindow(const QString& objectName, WindowFactory factory) {
    m_factories.insert(objectName, std::move(factory));
}

QWidget* WindowRegistry::open(const QString& objectName) const {
    const QPointer<QWidget> window = m_windows.value(objectName);
    return window && window->isVisible() ? window.data() : nullptr;
}

QWidget* WindowRegistry::show(const QString& objectName) {
    QWidget* window = open(objectName);
    if (!window) {
        const auto factory = m_factories.constFind(objectName);
        if (factory == m_factories.cend())
            return nullptr;
        window = (*factory)(m_editor);
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

QWidget* WindowRegistry::showDialog(const QString& objectName) {
    const QPointer<QWidget> documentFrame = m_editor.frmHtml().parentWidget();
    const bool wasEnabled = documentFrame->isEnabled();
    m_editor.EditorAv();
    QWidget* window = show(objectName);
    if (!window && documentFrame) // no dialog will enable the document window again
        documentFrame->setEnabled(wasEnabled);
    return window;
}

} // namespace vimla::shell
