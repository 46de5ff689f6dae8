#pragma once

#include <QIcon>
#include <QList>
#include <QSize>
#include <QStringList>

namespace vimla::faces {

// The pictures are painted rather than stored, so they stay crisp at every screen scaling.
inline constexpr QSize kPictureSize{16, 16};
inline constexpr QSize kWordSize{32, 16}; // a word, black on grey

// The pictures of the upper toolbar.
enum class Picture {
    BlankSheet,
    OpeningFolder,
    Diskette,
    Scissors,
    TwoSheets,
    ClipboardWithSheet,
    BoldF,
    SlantedK,
    UnderlinedU,
    H1,
    H2,
    H3,
    H4,
    H5,
    H6,
    BR,
    P,
    CentredLines,
};

QIcon pictureIcon(Picture picture);

// Word faces in one letter size, the largest in which every one of the words fits; the icons
// come in the order of the words.
QList<QIcon> wordIcons(const QStringList& words);

} // namespace vimla::faces
