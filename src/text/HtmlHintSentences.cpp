// What each hint says to the pupil: one short Swedish sentence.
#include "text/HtmlHints.h"

namespace vimla::text {

QString hintSentence(const HtmlHint& hint) {
    const QString line = QString::number(hint.line);
    const QString other = QString::number(hint.otherLine);
    switch (hint.kind) {
    case HintKind::NeverClosed:
        return QStringLiteral("Taggen <%1> på rad %2 stängs aldrig.").arg(hint.tag, line);
    case HintKind::ClosedWithoutOpening:
        return QStringLiteral("Taggen </%1> på rad %2 stänger en <%1> som aldrig öppnades.")
            .arg(hint.tag, line);
    case HintKind::ClosedOutOfOrder:
        return QStringLiteral("Taggen </%1> på rad %2 kommer för tidigt: stäng först <%3> från "
                              "rad %4.")
            .arg(hint.tag, line, hint.otherTag, other);
    case HintKind::TagNeverEnds:
        return QStringLiteral("Taggen <%1 på rad %2 tar aldrig slut: det fattas ett >.")
            .arg(hint.tag, line);
    case HintKind::QuoteNeverCloses:
        return QStringLiteral("Ett citattecken i taggen <%1> på rad %2 stängs aldrig.")
            .arg(hint.tag, line);
    case HintKind::UnknownElement:
        return QStringLiteral("<%1> på rad %2 är ingen HTML-tagg. Har du stavat fel?")
            .arg(hint.tag, line);
    case HintKind::EndTagForVoid:
        return QStringLiteral("<%1> har ingen sluttagg, så </%1> på rad %2 ska bort.")
            .arg(hint.tag, line);
    case HintKind::SecondBodyOrHead:
        return QStringLiteral("Sidan har redan en <%1> på rad %2. Det får bara finnas en.")
            .arg(hint.tag, other);
    case HintKind::CommentNeverEnds:
        return QStringLiteral("Kommentaren på rad %1 tar aldrig slut: det fattas -->.").arg(line);
    }
    return QString();
}

} // namespace vimla::text
