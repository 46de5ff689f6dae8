#include "text/HtmlElements.h"

#include <QLatin1StringView>

#include <algorithm>
#include <iterator>

namespace vimla::text {
namespace {

using G = ElementGroup;
using namespace element;
constexpr std::uint8_t V = Void, O = OptionalEnd, R = RawText, B = EndsParagraph;

// Sorted by name. HTML 4 with the older elements this editor writes and pupils meet
// (FONT, CENTER, FRAMESET, MARQUEE) and the common newer ones. SVG and MATH are read as raw
// text, since their inner elements are not HTML's.
constexpr ElementInfo kElements[] = {
    {"A", 0, G::Other},
    {"ABBR", 0, G::Other},
    {"ACRONYM", 0, G::Other},
    {"ADDRESS", B, G::Other},
    {"APPLET", 0, G::Other},
    {"AREA", V, G::Other},
    {"ARTICLE", B, G::Other},
    {"ASIDE", B, G::Other},
    {"AUDIO", 0, G::Other},
    {"B", 0, G::Other},
    {"BASE", V, G::Other},
    {"BASEFONT", V, G::Other},
    {"BDI", 0, G::Other},
    {"BDO", 0, G::Other},
    {"BGSOUND", V, G::Other},
    {"BIG", 0, G::Other},
    {"BLINK", 0, G::Other},
    {"BLOCKQUOTE", B, G::Other},
    {"BODY", O, G::Body},
    {"BR", V, G::Other},
    {"BUTTON", 0, G::Other},
    {"CANVAS", 0, G::Other},
    {"CAPTION", 0, G::Other},
    {"CENTER", B, G::Other},
    {"CITE", 0, G::Other},
    {"CODE", 0, G::Other},
    {"COL", V, G::Column},
    {"COLGROUP", O, G::ColumnGroup},
    {"DATA", 0, G::Other},
    {"DATALIST", 0, G::Other},
    {"DD", O, G::DefinitionItem},
    {"DEL", 0, G::Other},
    {"DETAILS", B, G::Other},
    {"DFN", 0, G::Other},
    {"DIALOG", 0, G::Other},
    {"DIR", B, G::Other},
    {"DIV", B, G::Other},
    {"DL", B, G::Other},
    {"DT", O, G::DefinitionItem},
    {"EM", 0, G::Other},
    {"EMBED", V, G::Other},
    {"FIELDSET", B, G::Other},
    {"FIGCAPTION", B, G::Other},
    {"FIGURE", B, G::Other},
    {"FONT", 0, G::Other},
    {"FOOTER", B, G::Other},
    {"FORM", B, G::Other},
    {"FRAME", V, G::Other},
    {"FRAMESET", 0, G::FrameSet},
    {"H1", B, G::Other},
    {"H2", B, G::Other},
    {"H3", B, G::Other},
    {"H4", B, G::Other},
    {"H5", B, G::Other},
    {"H6", B, G::Other},
    {"HEAD", O, G::Head},
    {"HEADER", B, G::Other},
    {"HGROUP", B, G::Other},
    {"HR", V | B, G::Other},
    {"HTML", O, G::Other},
    {"I", 0, G::Other},
    {"IFRAME", 0, G::Other},
    {"IMG", V, G::Other},
    {"INPUT", V, G::Other},
    {"INS", 0, G::Other},
    {"ISINDEX", V, G::Other},
    {"KBD", 0, G::Other},
    {"KEYGEN", V, G::Other},
    {"LABEL", 0, G::Other},
    {"LEGEND", 0, G::Other},
    {"LI", O, G::ListItem},
    {"LINK", V, G::Other},
    {"LISTING", B, G::Other},
    {"MAIN", B, G::Other},
    {"MAP", 0, G::Other},
    {"MARK", 0, G::Other},
    {"MARQUEE", 0, G::Other},
    {"MATH", R, G::Other},
    {"MENU", B, G::Other},
    {"META", V, G::Other},
    {"METER", 0, G::Other},
    {"NAV", B, G::Other},
    {"NOBR", 0, G::Other},
    {"NOEMBED", 0, G::Other},
    {"NOFRAMES", 0, G::Other},
    {"NOSCRIPT", 0, G::Other},
    {"OBJECT", 0, G::Other},
    {"OL", B, G::Other},
    {"OPTGROUP", O, G::OptionGroup},
    {"OPTION", O, G::Option},
    {"OUTPUT", 0, G::Other},
    {"P", O | B, G::Paragraph},
    {"PARAM", V, G::Other},
    {"PICTURE", 0, G::Other},
    {"PRE", B, G::Other},
    {"PROGRESS", 0, G::Other},
    {"Q", 0, G::Other},
    {"RB", O, G::Ruby},
    {"RP", O, G::Ruby},
    {"RT", O, G::Ruby},
    {"RTC", O, G::Ruby},
    {"RUBY", 0, G::Other},
    {"S", 0, G::Other},
    {"SAMP", 0, G::Other},
    {"SCRIPT", R, G::Other},
    {"SECTION", B, G::Other},
    {"SELECT", 0, G::Other},
    {"SMALL", 0, G::Other},
    {"SOURCE", V, G::Other},
    {"SPACER", V, G::Other},
    {"SPAN", 0, G::Other},
    {"STRIKE", 0, G::Other},
    {"STRONG", 0, G::Other},
    {"STYLE", R, G::Other},
    {"SUB", 0, G::Other},
    {"SUMMARY", 0, G::Other},
    {"SUP", 0, G::Other},
    {"SVG", R, G::Other},
    {"TABLE", B, G::Other},
    {"TBODY", O, G::TableSection},
    {"TD", O, G::Cell},
    {"TEMPLATE", 0, G::Other},
    {"TEXTAREA", R, G::Other},
    {"TFOOT", O, G::TableSection},
    {"TH", O, G::Cell},
    {"THEAD", O, G::TableSection},
    {"TIME", 0, G::Other},
    {"TITLE", R, G::Other},
    {"TR", O, G::Row},
    {"TRACK", V, G::Other},
    {"TT", 0, G::Other},
    {"U", 0, G::Other},
    {"UL", B, G::Other},
    {"VAR", 0, G::Other},
    {"VIDEO", 0, G::Other},
    {"WBR", V, G::Other},
    {"XMP", R | B, G::Other},
};

int compareName(QStringView name, const ElementInfo& element) {
    return name.compare(QLatin1StringView(element.name), Qt::CaseInsensitive);
}

} // namespace

const ElementInfo* findElement(QStringView name) {
    const auto* found = std::lower_bound(
        std::begin(kElements), std::end(kElements), name,
        [](const ElementInfo& element, QStringView key) { return compareName(key, element) > 0; });
    if (found == std::end(kElements) || compareName(name, *found) != 0)
        return nullptr;
    return found;
}

bool startEndsImplicitly(const ElementInfo& open, const ElementInfo& next) {
    const G n = next.group;
    switch (open.group) {
    case G::Paragraph:
        return next.has(EndsParagraph);
    case G::ListItem:
    case G::DefinitionItem:
    case G::OptionGroup:
    case G::Ruby:
        return n == open.group;
    case G::Cell:
        return n == G::Cell || n == G::Row || n == G::TableSection;
    case G::Row:
        return n == G::Row || n == G::TableSection;
    case G::TableSection:
        return n == G::TableSection;
    case G::Option:
        return n == G::Option || n == G::OptionGroup;
    case G::Head:
        return n == G::Body || n == G::FrameSet;
    case G::ColumnGroup:
        return n != G::Column;
    default:
        return false;
    }
}

} // namespace vimla::text
