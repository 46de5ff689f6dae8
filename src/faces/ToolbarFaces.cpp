#include "faces/ToolbarFaces.h"

#include <QFontMetricsF>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>
#include <functional>

namespace vimla::faces {
namespace {

// A face is painted on a grid of logical pixels (16 by 16, or 32 by 16). Fills lie on whole grid
// lines and 1-wide strokes on half lines, so they cover whole device pixels at 100 % and 200 %.
using FacePainter = std::function<void(QPainter&)>;

const QColor kInk(0, 0, 0);
const QColor kPaper(255, 255, 255);
const QColor kWordGround(192, 192, 192);

class PaintedFace : public QIconEngine {
public:
    PaintedFace(QSize grid, FacePainter painter) : m_grid(grid), m_painter(std::move(painter)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const QRectF target = fitted(rect.size()).translated(rect.topLeft());
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setRenderHint(QPainter::TextAntialiasing);
        painter->translate(target.topLeft());
        painter->scale(target.width() / m_grid.width(), target.height() / m_grid.height());
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.4);
        m_painter(*painter);
        painter->restore();
    }

    // The size asked for is in device pixels: painting at it directly is what keeps the face
    // sharp on a high-density screen, instead of enlarging a small picture.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return picture;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        return fitted(size).size().toSize();
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {m_grid}; }

    QIconEngine* clone() const override { return new PaintedFace(*this); }

private:
    // The largest rectangle of the grid's proportions that fits, centred.
    QRectF fitted(QSize available) const {
        const QSizeF size = QSizeF(m_grid).scaled(QSizeF(available), Qt::KeepAspectRatio);
        return {QPointF((available.width() - size.width()) / 2,
                        (available.height() - size.height()) / 2),
                size};
    }

    QSize m_grid;
    FacePainter m_painter;
};

QIcon painted(QSize grid, FacePainter painter) {
    return QIcon(new PaintedFace(grid, std::move(painter)));
}

void outlined(QPainter& p, const QPainterPath& path, const QColor& fill) {
    p.setPen(QPen(kInk, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(fill);
    p.drawPath(path);
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

// A sheet of paper with its upper right corner folded over, drawn inside `box`.
void sheet(QPainter& p, const QRectF& box) {
    const qreal fold = 3;
    const qreal left = box.left() + 0.5, top = box.top() + 0.5;
    const qreal right = box.right() - 0.5, bottom = box.bottom() - 0.5;
    outlined(p,
             polygon({{left, top},
                      {right - fold, top},
                      {right, top + fold},
                      {right, bottom},
                      {left, bottom}}),
             kPaper);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(
        QPolygonF({{right - fold, top}, {right - fold, top + fold}, {right, top + fold}}));
}

// Grey lines of writing on a sheet.
void writing(QPainter& p, const QRectF& box) {
    for (qreal y = box.top(); y < box.bottom(); y += 2)
        p.fillRect(QRectF(box.left(), y, box.width(), 1), QColor(128, 128, 128));
}

// The largest font of at most `largest` pixels in which `text` fits `width`.
QFont fittingFont(const QString& text, qreal width, int largest, QFont font) {
    constexpr int kSmallest = 5;
    const auto fits = [&](int pixels) {
        font.setPixelSize(pixels);
        return QFontMetricsF(font).horizontalAdvance(text) <= width;
    };
    // Every size tried loads a font of its own, which is slow: widths grow in proportion to the
    // size, so one measurement lands on or next to the answer, and hinting is settled around it.
    font.setPixelSize(largest);
    const qreal advance = QFontMetricsF(font).horizontalAdvance(text);
    int pixels =
        advance <= width ? largest : std::clamp(int(largest * width / advance), kSmallest, largest);
    while (pixels < largest && fits(pixels + 1))
        ++pixels;
    while (pixels > kSmallest && !fits(pixels))
        --pixels;
    font.setPixelSize(pixels);
    return font;
}

QFont faceFont(const std::function<void(QFont&)>& style) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setHintingPreference(QFont::PreferFullHinting);
    if (style)
        style(font);
    return font;
}

// Letters centred in `box`, their capitals standing on the middle of it.
void letters(QPainter& p, const QRectF& box, const QString& text, int largest,
             const std::function<void(QFont&)>& style = {}) {
    const QFont font = fittingFont(text, box.width(), largest, faceFont(style));
    const QFontMetricsF metrics(font);
    const qreal baseline = box.center().y() + metrics.capHeight() / 2;
    const qreal x = box.center().x() - metrics.horizontalAdvance(text) / 2;
    p.setFont(font);
    p.setPen(kInk);
    p.drawText(QPointF(x, baseline), text);
}

void blankSheet(QPainter& p) {
    sheet(p, QRectF(3, 1, 11, 15));
}

void openingFolder(QPainter& p) {
    const QColor back(216, 168, 48), front(248, 208, 96);
    outlined(p,
             polygon({{1.5, 3.5}, {5.5, 3.5}, {6.5, 4.5}, {12.5, 4.5}, {12.5, 13.5}, {1.5, 13.5}}),
             back);
    outlined(p, polygon({{1.5, 13.5}, {4.5, 7.5}, {15.5, 7.5}, {12.5, 13.5}}), front);
}

void diskette(QPainter& p) {
    outlined(p, polygon({{1.5, 1.5}, {14.5, 1.5}, {14.5, 14.5}, {2.5, 14.5}, {1.5, 13.5}}),
             QColor(40, 64, 144));
    p.fillRect(QRectF(4, 2, 8, 5), QColor(200, 200, 200));
    p.fillRect(QRectF(9, 3, 2, 3), QColor(40, 64, 144));
    p.fillRect(QRectF(4, 9, 8, 5), kPaper);
    writing(p, QRectF(5, 10, 6, 3));
}

void scissors(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(64, 64, 64), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6, 10), QPointF(11.5, 1));
    p.drawLine(QPointF(10, 10), QPointF(4.5, 1));
    p.setPen(QPen(QColor(176, 0, 0), 1.5));
    p.drawEllipse(QPointF(5, 12.5), 2.5, 2.5);
    p.drawEllipse(QPointF(11, 12.5), 2.5, 2.5);
    p.fillRect(QRectF(7.5, 6.5, 1, 1), kInk);
}

void twoSheets(QPainter& p) {
    sheet(p, QRectF(1, 1, 9, 11));
    writing(p, QRectF(3, 5, 4, 5));
    sheet(p, QRectF(6, 4, 9, 11));
    writing(p, QRectF(8, 8, 5, 5));
}

void clipboardWithSheet(QPainter& p) {
    outlined(p, polygon({{2.5, 2.5}, {12.5, 2.5}, {12.5, 14.5}, {2.5, 14.5}}),
             QColor(176, 120, 56));
    outlined(p, polygon({{5.5, 0.5}, {9.5, 0.5}, {9.5, 3.5}, {5.5, 3.5}}), QColor(200, 200, 200));
    sheet(p, QRectF(7, 6, 8, 10));
    writing(p, QRectF(9, 9, 4, 5));
}

void underlinedU(QPainter& p) {
    letters(p, QRectF(0, 0, 16, 14), QStringLiteral("U"), 12);
    p.fillRect(QRectF(3, 14, 10, 1), kInk);
}

void centredLines(QPainter& p) {
    const int lengths[] = {12, 8, 12, 6, 10};
    int y = 2;
    for (const int length : lengths) {
        p.fillRect(QRectF((16 - length) / 2, y, length, 1), kInk);
        y += 3;
    }
}

// A letter face of the upper toolbar: the letters fill the square.
FacePainter letterFace(const QString& text, const std::function<void(QFont&)>& style = {}) {
    return [text, style](QPainter& p) {
        letters(p, QRectF(0, 0, 16, 16), text, text.size() == 1 ? 13 : 10, style);
    };
}

void condensed(QFont& font) {
    font.setStretch(QFont::Condensed);
}
// The words of the lower toolbar share one letter size: the largest in which every word fits.
constexpr qreal kWordWidth = 30;

int wordLetterSize(const QStringList& words) {
    int pixels = 11;
    for (const QString& word : words)
        pixels = std::min(pixels,
                          fittingFont(word, kWordWidth, pixels, faceFont(condensed)).pixelSize());
    return pixels;
}

// A word face of the lower toolbar: black letters on a grey ground.
FacePainter wordFace(const QString& word, int letterSize) {
    return [word, letterSize](QPainter& p) {
        p.fillRect(QRectF(0, 0, 32, 16), kWordGround);
        letters(p, QRectF(1, 0, kWordWidth, 16), word, letterSize, condensed);
    };
}

} // namespace

QIcon pictureIcon(Picture picture) {
    const auto italic = [](QFont& font) { font.setItalic(true); };
    switch (picture) {
    case Picture::BlankSheet:
        return painted(kPictureSize, blankSheet);
    case Picture::OpeningFolder:
        return painted(kPictureSize, openingFolder);
    case Picture::Diskette:
        return painted(kPictureSize, diskette);
    case Picture::Scissors:
        return painted(kPictureSize, scissors);
    case Picture::TwoSheets:
        return painted(kPictureSize, twoSheets);
    case Picture::ClipboardWithSheet:
        return painted(kPictureSize, clipboardWithSheet);
    case Picture::BoldF:
        return painted(kPictureSize, letterFace(QStringLiteral("F")));
    case Picture::SlantedK:
        return painted(kPictureSize, letterFace(QStringLiteral("K"), italic));
    case Picture::UnderlinedU:
        return painted(kPictureSize, underlinedU);
    case Picture::H1:
        return painted(kPictureSize, letterFace(QStringLiteral("H1")));
    case Picture::H2:
        return painted(kPictureSize, letterFace(QStringLiteral("H2")));
    case Picture::H3:
        return painted(kPictureSize, letterFace(QStringLiteral("H3")));
    case Picture::H4:
        return painted(kPictureSize, letterFace(QStringLiteral("H4")));
    case Picture::H5:
        return painted(kPictureSize, letterFace(QStringLiteral("H5")));
    case Picture::H6:
        return painted(kPictureSize, letterFace(QStringLiteral("H6")));
    case Picture::BR:
        return painted(kPictureSize, letterFace(QStringLiteral("BR")));
    case Picture::P:
        return painted(kPictureSize, letterFace(QStringLiteral("P")));
    case Picture::CentredLines:
        return painted(kPictureSize, centredLines);
    }
    return {};
}

QList<QIcon> wordIcons(const QStringList& words) {
    const int letterSize = wordLetterSize(words);
    QList<QIcon> icons;
    for (const QString& word : words)
        icons << painted(kWordSize, wordFace(word, letterSize));
    return icons;
}

} // namespace vimla::faces
