#pragma once

#include <QString>

#include <optional>

namespace vimla::dialogs {

// Why a dialog inserts nothing and stays open.
enum class Refusal {
    CountTooLarge, // a count does not fit a signed 16-bit number
    TableTooLarge, // the table would exceed the size the editor can take in one insertion
};

// The text a dialog inserts, or the reason it inserts nothing.
struct BuiltMarkup {
    QString html;
    std::optional<Refusal> refusal;

    bool isRefused() const { return refusal.has_value(); }
};

// The one message the pupil sees for each refusal.
QString refusalMessage(Refusal refusal);

// The field texts of each dialog, exactly as typed.
struct FontFields {
    QString colour;
    QString size;
    QString face;
};

enum class ListKind { Unnumbered, Numbered };

struct ListFields {
    ListKind kind = ListKind::Unnumbered;
    QString count;
};

struct LinkFields {
    QString address;
    QString text;
};

struct TableFields {
    QString columns;
    QString rows;
    QString border;
    QString width;
    QString alignment;
};

// A table may hold at most this many cells. Larger tables (up to 32767 by 32767, some 27 GB of
// text) would exhaust the memory of a school computer.
inline constexpr qint64 kMostTableCells = 1'000'000;
// Long border, width or alignment texts multiply with every cell; this bounds the whole text
// (128 MB in memory) while leaving room for a full table with ordinary values.
inline constexpr qint64 kMostTableCharacters = 64LL * 1024 * 1024;

// "<FONT" with the COLOR, SIZE and FACE attributes whose texts are not empty, then ">".
QString fontOpeningTag(const FontFields& fields);

// "<UL>" or "<OL>", one line "   <LI>" per item, the closing tag; lines end in CR LF, the last
// tag ends the text. A count that does not fit 16 bits is refused.
BuiltMarkup listHtml(const ListFields& fields);

// The whole anchor element, no line break.
QString linkHtml(const LinkFields& fields);

// The table tag, then per row "<TR>", one "<TD ...>" line per column and "</TR>", then
// "</TABLE>". Counts that do not fit 16 bits and tables above the limits are refused.
BuiltMarkup tableHtml(const TableFields& fields);

} // namespace vimla::dialogs
