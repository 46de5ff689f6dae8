#include "dialogs/MarkupHtml.h"

#include "text/LeadingNumber.h"

#include <QStringView>

#include <algorithm>

namespace vimla::dialogs {
namespace {

constexpr QStringView kCrLf = u"\r\n";

void appendAttribute(QString& tag, QStringView name, const QString& value) {
    if (value.isEmpty())
        return;
    tag += u' ';
    tag += name;
    tag += u"=\"";
    tag += value;
    tag += u'"';
}

BuiltMarkup refused(Refusal refusal) {
    return {QString(), refusal};
}

} // namespace

QString refusalMessage(Refusal refusal) {
    switch (refusal) {
    case Refusal::CountTooLarge:
        return QStringLiteral("Antalet är för stort.");
    case Refusal::TableTooLarge:
        return QStringLiteral("Tabellen blir för stor. Välj färre rader eller kolumner.");
    }
    return QString();
}

QString fontOpeningTag(const FontFields& fields) {
    QString tag = QStringLiteral("<FONT");
    appendAttribute(tag, u"COLOR", fields.colour);
    appendAttribute(tag, u"SIZE", fields.size);
    appendAttribute(tag, u"FACE", fields.face);
    tag += u'>';
    return tag;
}

BuiltMarkup listHtml(const ListFields& fields) {
    const std::optional<qint16> count = text::countFromText(fields.count);
    if (!count)
        return refused(Refusal::CountTooLarge);
    const bool numbered = fields.kind == ListKind::Numbered;
    const QStringView opening = numbered ? u"<OL>" : u"<UL>";
    const QStringView closing = numbered ? u"</OL>" : u"</UL>";
    constexpr QStringView item = u"   <LI>\r\n";

    // The counter is wider than the count, so 32767 items end the loop like any other count.
    const qsizetype items = std::max<qsizetype>(*count, 0);
    QString html = opening.toString();
    html += kCrLf;
    for (qsizetype i = 0; i < items; ++i)
        html += item;
    html += closing;
    return {html, std::nullopt};
}

QString linkHtml(const LinkFields& fields) {
    return QStringLiteral("<A HREF=\"") + fields.address + QStringLiteral("\">") + fields.text +
           QStringLiteral("</A>");
}

BuiltMarkup tableHtml(const TableFields& fields) {
    const std::optional<qint16> rowCount = text::countFromText(fields.rows);
    if (!rowCount)
        return refused(Refusal::CountTooLarge);
    const qint64 rows = std::max<qint64>(*rowCount, 0);
    // The column count only matters for a table that has rows; without rows it is never read.
    qint64 columns = 0;
    if (rows > 0) {
        const std::optional<qint16> columnCount = text::countFromText(fields.columns);
        if (!columnCount)
            return refused(Refusal::CountTooLarge);
        columns = std::max<qint64>(*columnCount, 0);
    }
    if (rows * columns > kMostTableCells)
        return refused(Refusal::TableTooLarge);

    const QString head = QStringLiteral("<TABLE BORDER=\"") + fields.border +
                         QStringLiteral("\" WIDTH=\"") + fields.width + QStringLiteral("%\">\r\n");
    const QString cell =
        QStringLiteral("     <TD ALIGN=\"") + fields.alignment + QStringLiteral("\" >\r\n");
    constexpr QStringView rowStart = u"<TR>\r\n";
    constexpr QStringView rowEnd = u"</TR>\r\n";
    constexpr QStringView closing = u"</TABLE>";

    const qint64 rowLength = rowStart.size() + columns * cell.size() + rowEnd.size();
    const qint64 length = head.size() + rows * rowLength + closing.size();
    if (length > kMostTableCharacters)
        return refused(Refusal::TableTooLarge);

    // Built once, row by row: a row is copied whole into the table text.
    QString row;
    row.reserve(rowLength);
    row += rowStart;
    for (qint64 column = 0; column < columns; ++column)
        row += cell;
    row += rowEnd;

    QString html;
    html.reserve(length);
    html += head;
    for (qint64 i = 0; i < rows; ++i)
        html += row;
    html += closing;
    return {html, std::nullopt};
}

} // namespace vimla::dialogs
