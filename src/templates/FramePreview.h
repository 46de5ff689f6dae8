#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <QWidget>

namespace vimla::templates {

// A line of a preview, its end points in twips (1/1440 inch) from the top left corner.
struct TwipLine {
    float x1 = 0;
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;

    friend bool operator==(const TwipLine&, const TwipLine&) = default;
};

// A white area showing a frame division. Its lines keep their coordinates in twips, exactly as
// the dialogs set them; only the drawing converts them to pixels.
class FramePreview : public QWidget {
    Q_OBJECT
public:
    FramePreview(const QString& objectName, QSize sizeInTwips, QWidget* parent);

    void addLine(const QString& name, TwipLine line);
    // A line that was never added reads as all zeros.
    TwipLine line(const QString& name) const;
    void setLine(const QString& name, TwipLine line);
    QSize sizeInTwips() const { return m_sizeInTwips; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct NamedLine {
        QString name;
        TwipLine line;
    };

    QSize m_sizeInTwips;
    QList<NamedLine> m_lines;
};

} // namespace vimla::templates
