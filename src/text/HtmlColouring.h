#pragma once

#include <QList>
#include <QStringView>

#include <cstdint>

namespace vimla::text {

// The parts of HTML that the text box shows in colours of their own; text stays uncoloured.
enum class HtmlPart : std::uint8_t { Tag, AttributeName, AttributeValue, Comment, Reference };

struct ColouredSpan {
    int start;
    int length;
    HtmlPart part;
};

// Where a line starts: in text, inside a tag, a quoted value, a comment or a SCRIPT or STYLE.
// The first line of a document starts at kStartOfText; each line starts where the one above ended.
inline constexpr int kStartOfText = 0;

// Appends the coloured parts of one line to `spans` and returns the state at its end.
int colourHtmlLine(QStringView line, int state, QList<ColouredSpan>& spans);

} // namespace vimla::text
