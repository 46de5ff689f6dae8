#pragma once

#include <QString>

namespace vimla::templates {

// The texts of the new document dialog's fields, as they stand.
struct BodyFields {
    QString title;             // txtTitel
    QString backgroundColour;  // cboBakfarg
    QString backgroundImage;   // txtBakbild
    QString textColour;        // cboTextfarg
    QString linkColour;        // cboLink
    QString visitedLinkColour; // cboVlink
};

// A page skeleton whose BODY tag carries every attribute whose field is not empty. The title is
// always written; nothing is trimmed or escaped and no line break follows the last tag.
QString newPageHtml(const BodyFields& fields);

enum class FrameLayout { Columns, Rows, RowsAndColumns };

// The percent texts of a frame set dialog, as they stand (leading blank of a partner included).
// A layout reads only the fields it shows.
struct FrameFields {
    QString upper; // txtOvre
    QString lower; // txtUndre
    QString left;  // txtVanster
    QString right; // txtHoger
};

// A frame-set page for the layout; both rows of RowsAndColumns get the same column division.
QString framePageHtml(FrameLayout layout, const FrameFields& fields);

} // namespace vimla::templates
