#include "templates/PageHtml.h"

namespace vimla::templates {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString optionalAttribute(const QString& name, const QString& value) {
    if (value.isEmpty())
        return QString();
    return QLatin1Char(' ') + name + QStringLiteral("=\"") + value + QLatin1Char('"');
}

QString pageHead() {
    return QStringLiteral("<HTML>") + kCrLf + QStringLiteral("<HEAD>") + kCrLf +
           QStringLiteral("<TITLE></TITLE>") + kCrLf + QStringLiteral("</HEAD>") + kCrLf;
}

QString frameset(const QString& indent, const QString& direction, const QString& first,
                 const QString& second) {
    return indent + QStringLiteral("<FRAMESET ") + direction + QStringLiteral("=\"") + first +
           QStringLiteral("%,") + second + QStringLiteral("%\">") + kCrLf;
}

QString frame(int number) {
    const QString n = QString::number(number);
    return QStringLiteral("   <FRAME NAME=\"ram") + n + QStringLiteral("\" SRC=\"namn") + n +
           QStringLiteral(".html\">") + kCrLf;
}

QString pageFoot() {
    return QStringLiteral("</FRAMESET>") + kCrLf + QStringLiteral("</HTML>");
}

QString twoFramePage(const QString& direction, const QString& first, const QString& second) {
    return pageHead() + frameset(QString(), direction, first, second) + kCrLf + frame(1) +
           frame(2) + kCrLf + pageFoot();
}

QString columnsInRow(const FrameFields& fields, int firstFrame) {
    return frameset(QStringLiteral("   "), QStringLiteral("COLS"), fields.left, fields.right) +
           frame(firstFrame) + frame(firstFrame + 1) + QStringLiteral("   </FRAMESET>") + kCrLf +
           kCrLf;
}

} // namespace

QString newPageHtml(const BodyFields& fields) {
    return QStringLiteral("<HTML>") + kCrLf + QStringLiteral("<HEAD>") + kCrLf +
           QStringLiteral("<TITLE>") + fields.title + QStringLiteral("</TITLE>") + kCrLf +
           QStringLiteral("</HEAD>") + kCrLf + QStringLiteral("<BODY") +
           optionalAttribute(QStringLiteral("BGCOLOR"), fields.backgroundColour) +
           optionalAttribute(QStringLiteral("BACKGROUND"), fields.backgroundImage) +
           optionalAttribute(QStringLiteral("TEXT"), fields.textColour) +
           optionalAttribute(QStringLiteral("LINK"), fields.linkColour) +
           optionalAttribute(QStringLiteral("VLINK"), fields.visitedLinkColour) +
           QStringLiteral(">") + kCrLf + kCrLf + QStringLiteral("</BODY>") + kCrLf +
           QStringLiteral("</HTML>");
}

QString framePageHtml(FrameLayout layout, const FrameFields& fields) {
    switch (layout) {
    case FrameLayout::Columns:
        return twoFramePage(QStringLiteral("COLS"), fields.left, fields.right);
    case FrameLayout::Rows:
        return twoFramePage(QStringLiteral("ROWS"), fields.upper, fields.lower);
    case FrameLayout::RowsAndColumns:
        break;
    }
    return pageHead() + frameset(QString(), QStringLiteral("ROWS"), fields.upper, fields.lower) +
           kCrLf + columnsInRow(fields, 1) + columnsInRow(fields, 3) + pageFoot();
}

} // namespace vimla::templates
