#pragma once

#include <QFrame>
#include <QImage>

namespace vimla::dialogs {

// What the pupil sees when a picture cannot be loaded, in the preview and in the viewer.
inline const QString kPictureFailure = QStringLiteral("Fel vid visning av bild!");

// Screen pixels for a length in twips (1/1440 inch) at the given dots per inch.
int pixelsFromTwips(int twips, int dotsPerInch);

// A picture box: a white area of a fixed size that shows a picture at its own size from the
// top left corner. What does not fit is cut off; nothing is scaled.
class PictureBox : public QFrame {
    Q_OBJECT
public:
    PictureBox(const QString& objectName, int widthTwips, int heightTwips, QWidget* parent);

    // Loads the picture from disk; false (and the earlier picture kept) when it cannot be shown.
    bool load(const QString& path);
    const QImage& picture() const { return m_picture; }

signals:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QImage m_picture;
};

} // namespace vimla::dialogs
