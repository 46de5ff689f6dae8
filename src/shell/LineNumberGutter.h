#pragma once

#include <QWidget>

namespace vimla::shell {

class HtmlTextBox;

// The strip at the left edge of the text box with the line numbers and the marks of mistakes.
class LineNumberGutter : public QWidget {
    Q_OBJECT
public:
    explicit LineNumberGutter(HtmlTextBox& box);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    HtmlTextBox& m_box;
};

} // namespace vimla::shell
