#pragma once

#include "shell/FormWindow.h"
#include "templates/PageHtml.h"

#include <vector>

class QGridLayout;
class QLineEdit;

namespace vimla::templates {

class FramePreview;

// frmRam1, frmRam2 and frmRam3, "Ramförslag 1/2/3": the percent of the first part of each
// division is typed, the rest is shown beside it and in the preview, and "OK" replaces the
// document by a frame-set page.
class FrmRam : public shell::FormWindow {
    Q_OBJECT
public:
    FrmRam(shell::Editor& editor, FrameLayout layout);

    static QString formName(FrameLayout layout);

private:
    enum class Axis { X, Y };

    // An editable percent field, its read-only partner and the divider it moves.
    struct Coupling {
        QLineEdit* field;
        QLineEdit* partner;
        QString line;
        Axis axis;
        double scale;
    };

    void addRowPart(QGridLayout* grid);
    void addColumnPart(QGridLayout* grid);
    QString rowDivider() const;
    void couple(const Coupling& coupling);
    void fieldChanged(const Coupling& coupling);
    void cmdOk_Click();
    FrameFields fields() const;

    FrameLayout m_layout;
    FramePreview* m_frame1;
    QLineEdit* m_txtOvre = nullptr;
    QLineEdit* m_txtUndre = nullptr;
    QLineEdit* m_txtVanster = nullptr;
    QLineEdit* m_txtHoger = nullptr;
};

} // namespace vimla::templates
