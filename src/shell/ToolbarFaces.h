#pragma once

#include <QIcon>
#include <QList>
#include <QSize>
#include <QString>

namespace vimla::shell {

// What a toolbar button shows, and what screen readers call it (the buttons have no caption).
struct ToolbarFace {
    QString accessibleName;
    QIcon icon;
};

// The pictures are painted rather than stored, so they stay crisp at every screen scaling.
inline constexpr QSize kToolbar1FaceSize{16, 16};
inline constexpr QSize kToolbar2FaceSize{32, 16}; // a word, black on grey

// The faces in button order: element 0 belongs to the button with index 1.
QList<ToolbarFace> toolbar1Faces(); // 18 faces
QList<ToolbarFace> toolbar2Faces(); // 12 faces

} // namespace vimla::shell
