#pragma once

#include <QStringView>

#include <cstdint>

namespace vimla::text {

// What the hints need to know of an element.
namespace element {
enum Flag : std::uint8_t {
    Void = 1,         // has no end tag: BR, IMG
    OptionalEnd = 2,  // its end tag may be left out: P, LI, TD
    RawText = 4,      // its content is not read as tags: SCRIPT, STYLE
    EndsParagraph = 8 // a block that ends an open P
};
}

// Elements whose end tag may be left out are ended by the start of an element of some group.
enum class ElementGroup : std::uint8_t {
    Other,
    Paragraph,
    ListItem,
    DefinitionItem,
    Cell,
    Row,
    TableSection,
    Option,
    OptionGroup,
    Head,
    Body,
    FrameSet,
    ColumnGroup,
    Column,
    Ruby,
};

struct ElementInfo {
    const char* name; // in capitals
    std::uint8_t flags;
    ElementGroup group;

    bool has(element::Flag flag) const { return (flags & flag) != 0; }
};

// The element of that name in any letter case, or nullptr when HTML has none.
const ElementInfo* findElement(QStringView name);

// Whether the start of `next` ends the open element `open`, whose end tag may be left out.
bool startEndsImplicitly(const ElementInfo& open, const ElementInfo& next);

} // namespace vimla::text
