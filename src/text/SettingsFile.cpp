#include "text/SettingsFile.h"

#include "text/LeadingNumber.h"

namespace vimla::text {
namespace {

bool isLineEnd(QChar c) {
    return c == u'\r' || c == u'\n';
}

class FieldReader {
public:
    explicit FieldReader(QStringView text) : m_text(text) {}

    bool atEnd() const { return m_pos >= m_text.size(); }

    std::optional<qint16> readNumber() {
        skipBlanks();
        if (atEnd())
            return std::nullopt;
        const qsizetype start = m_pos;
        while (!atEnd() && !isLineEnd(peek()) && peek() != u',' && peek() != u' ')
            ++m_pos;
        const QStringView token = m_text.mid(start, m_pos - start);
        skipBlanks();
        skipDelimiter();
        if (token.isEmpty())
            return qint16(0);
        if (!isWholeNumber(token))
            return std::nullopt;
        return countFromText(token);
    }

    std::optional<QString> readString() {
        skipBlanks();
        if (atEnd())
            return std::nullopt;
        if (peek() == u'"') {
            ++m_pos;
            const qsizetype start = m_pos;
            while (!atEnd() && peek() != u'"')
                ++m_pos;
            QString value = m_text.mid(start, m_pos - start).toString();
            while (!atEnd() && !isLineEnd(peek()) && peek() != u',')
                ++m_pos; // the closing quote and anything after it up to the delimiter
            skipDelimiter();
            return value;
        }
        const qsizetype start = m_pos;
        while (!atEnd() && !isLineEnd(peek()) && peek() != u',')
            ++m_pos;
        qsizetype end = m_pos;
        while (end > start && m_text[end - 1] == u' ')
            --end;
        skipDelimiter();
        return m_text.mid(start, end - start).toString();
    }

private:
    QChar peek() const { return m_text[m_pos]; }

    void skipBlanks() {
        while (!atEnd() && peek() == u' ')
            ++m_pos;
    }

    void skipDelimiter() {
        if (atEnd())
            return;
        if (peek() == u',') {
            ++m_pos;
        } else if (peek() == u'\r') {
            ++m_pos;
            if (!atEnd() && peek() == u'\n')
                ++m_pos;
        } else if (peek() == u'\n') {
            ++m_pos;
        }
    }

    // Sign, digits with at most one point, optional exponent: nothing else may stand in the field.
    static bool isWholeNumber(QStringView token) {
        qsizetype i = 0;
        auto digits = [&] {
            const qsizetype from = i;
            while (i < token.size() && token[i].isDigit() && token[i].unicode() < 128)
                ++i;
            return i - from;
        };
        if (i < token.size() && (token[i] == u'+' || token[i] == u'-'))
            ++i;
        qsizetype mantissaDigits = digits();
        if (i < token.size() && token[i] == u'.') {
            ++i;
            mantissaDigits += digits();
        }
        if (mantissaDigits == 0)
            return false;
        if (i < token.size() && (token[i] == u'E' || token[i] == u'e')) {
            ++i;
            if (i < token.size() && (token[i] == u'+' || token[i] == u'-'))
                ++i;
            if (digits() == 0)
                return false;
        }
        return i == token.size();
    }

    QStringView m_text;
    qsizetype m_pos = 0;
};

} // namespace

SettingsFields readSettingsFields(QStringView text) {
    SettingsFields fields;
    FieldReader reader(text);
    fields.textSize = reader.readNumber();
    if (!fields.textSize)
        return fields;
    fields.fontName = reader.readString();
    if (!fields.fontName)
        return fields;
    fields.browserPath = reader.readString();
    return fields;
}

QString settingsFileText(QStringView textSize, QStringView fontName, QStringView browserPath) {
    const QLatin1String crlf("\r\n");
    QString text;
    text.reserve(textSize.size() + fontName.size() + browserPath.size() + 6);
    text.append(textSize)
        .append(crlf)
        .append(fontName)
        .append(crlf)
        .append(browserPath)
        .append(crlf);
    return text;
}

} // namespace vimla::text
