// The HTML the dialogs and page templates build: never a crash, every field text in the output
// exactly as typed, counts honoured or refused, and no line break after the last tag.
#include "FuzzCheck.h"
#include "dialogs/ImageTag.h"
#include "dialogs/MarkupHtml.h"
#include "templates/PageHtml.h"
#include "text/LeadingNumber.h"

#include <QStringList>

using namespace vimla;
using vimla::fuzz::shown;

namespace {

// The field texts: the input after its first byte, split at 0x00 (missing fields are empty).
struct Fields {
    QStringList texts;
    QString operator[](qsizetype i) const { return i < texts.size() ? texts[i] : QString(); }
};

bool hasLineBreak(const QStringList& texts) {
    for (const QString& t : texts) {
        if (t.contains(u'\r') || t.contains(u'\n'))
            return true;
    }
    return false;
}

void checkContains(const QString& html, const QString& field, const char* builder) {
    FUZZ_CHECK(html.contains(field), "%s lost the field %s in %s", builder,
               shown(field).constData(), shown(html.left(2000)).constData());
}

// Generated line breaks are CR LF, and none follows the last tag.
void checkShape(const QString& html, const QStringList& fields, const char* builder) {
    FUZZ_CHECK(html.endsWith(u'>'), "%s ends in %s", builder, shown(html.right(40)).constData());
    if (hasLineBreak(fields))
        return;
    for (qsizetype i = 0; i < html.size(); ++i) {
        if (html[i] == u'\n')
            FUZZ_CHECK(i > 0 && html[i - 1] == u'\r', "%s: bare LF in %s", builder,
                       shown(html.left(2000)).constData());
        if (html[i] == u'\r')
            FUZZ_CHECK(i + 1 < html.size() && html[i + 1] == u'\n', "%s: bare CR in %s", builder,
                       shown(html.left(2000)).constData());
    }
}

void checkAll(const QString& html, const QStringList& fields, const char* builder) {
    for (const QString& field : fields)
        checkContains(html, field, builder);
    checkShape(html, fields, builder);
}

void font(const Fields& f) {
    const dialogs::FontFields fields{f[0], f[1], f[2]};
    const QString html = dialogs::fontOpeningTag(fields);
    checkAll(html, {f[0], f[1], f[2]}, "font");
    FUZZ_CHECK(html.startsWith(QLatin1String("<FONT")), "font: %s", shown(html).constData());
}

void list(const Fields& f, dialogs::ListKind kind) {
    const dialogs::BuiltMarkup built = dialogs::listHtml({kind, f[0]});
    const std::optional<qint16> count = text::countFromText(f[0]);
    FUZZ_CHECK(built.isRefused() == !count, "list of %s: refused %d", shown(f[0]).constData(),
               int(built.isRefused()));
    if (built.isRefused())
        return;
    FUZZ_CHECK(built.html.count(QLatin1String("   <LI>\r\n")) == qMax<int>(*count, 0),
               "list of %s has the wrong number of items", shown(f[0]).constData());
    checkShape(built.html, {}, "list");
}

void link(const Fields& f) {
    const QString html = dialogs::linkHtml({f[0], f[1]});
    checkAll(html, {f[0], f[1]}, "link");
}

void table(const Fields& f) {
    const dialogs::TableFields fields{f[0], f[1], f[2], f[3], f[4]};
    const std::optional<qint16> rows = text::countFromText(fields.rows);
    const std::optional<qint16> columns = text::countFromText(fields.columns);
    const qint64 cells = qint64(qMax<int>(rows.value_or(0), 0)) * qMax<int>(columns.value_or(0), 0);
    // Tables that are built but very large are left to the unit tests: they take seconds each.
    if (cells > 20000 && cells <= dialogs::kMostTableCells)
        return;
    if (cells * (fields.alignment.size() + 20) > 4'000'000 &&
        cells * fields.alignment.size() <= dialogs::kMostTableCharacters)
        return;
    const dialogs::BuiltMarkup built = dialogs::tableHtml(fields);
    if (!rows || (*rows > 0 && !columns)) {
        FUZZ_CHECK(built.refusal == dialogs::Refusal::CountTooLarge, "table %s x %s not refused",
                   shown(f[0]).constData(), shown(f[1]).constData());
        return;
    }
    if (cells > dialogs::kMostTableCells) {
        FUZZ_CHECK(built.refusal == dialogs::Refusal::TableTooLarge,
                   "table of %lld cells not refused", cells);
        return;
    }
    if (built.isRefused()) {
        FUZZ_CHECK(built.refusal == dialogs::Refusal::TableTooLarge &&
                       cells * fields.alignment.size() > dialogs::kMostTableCharacters / 2,
                   "table of %lld cells refused", cells);
        return;
    }
    checkContains(built.html, fields.border, "table");
    checkContains(built.html, fields.width, "table");
    checkShape(built.html, {fields.border, fields.width, fields.alignment}, "table");
    if (cells > 0) {
        const QString cell =
            QLatin1String("<TD ALIGN=\"") + fields.alignment + QLatin1String("\" >");
        FUZZ_CHECK(built.html.count(cell) >= cells, "table of %lld cells has too few", cells);
    }
}

void image(const Fields& f) {
    const QString html = dialogs::imageTag({f[0], f[1], f[2], f[3]});
    checkAll(html, {f[0], f[1], f[2], f[3]}, "image");
}

void newPage(const Fields& f) {
    const templates::BodyFields fields{f[0], f[1], f[2], f[3], f[4], f[5]};
    const QString html = templates::newPageHtml(fields);
    checkAll(html, {f[0], f[1], f[2], f[3], f[4], f[5]}, "new page");
}

void framePage(const Fields& f, templates::FrameLayout layout) {
    const templates::FrameFields fields{f[0], f[1], f[2], f[3]};
    const QString html = templates::framePageHtml(layout, fields);
    switch (layout) {
    case templates::FrameLayout::Columns:
        checkAll(html, {fields.left, fields.right}, "frame columns");
        break;
    case templates::FrameLayout::Rows:
        checkAll(html, {fields.upper, fields.lower}, "frame rows");
        break;
    case templates::FrameLayout::RowsAndColumns:
        checkAll(html, {fields.upper, fields.lower, fields.left, fields.right}, "frame grid");
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const Fields fields{vimla::fuzz::textFrom(data + 1, size - 1).split(QChar(0))};
    switch (data[0] % 9) {
    case 0:
        font(fields);
        break;
    case 1:
        list(fields, dialogs::ListKind::Unnumbered);
        break;
    case 2:
        list(fields, dialogs::ListKind::Numbered);
        break;
    case 3:
        link(fields);
        break;
    case 4:
        table(fields);
        break;
    case 5:
        image(fields);
        break;
    case 6:
        newPage(fields);
        break;
    case 7:
        framePage(fields, templates::FrameLayout::Columns);
        break;
    default:
        framePage(fields, data[0] & 0x80 ? templates::FrameLayout::RowsAndColumns
                                         : templates::FrameLayout::Rows);
        break;
    }
    return 0;
}
