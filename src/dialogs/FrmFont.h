#pragma once

#include "shell/FormWindow.h"

class QComboBox;

namespace vimla::dialogs {

// frmFont: wraps the document's selection in a font tag with an optional colour, size and
// typeface.
class FrmFont : public shell::FormWindow {
    Q_OBJECT
public:
    explicit FrmFont(shell::Editor& editor);

private:
    void cmdOk_Click();

    QComboBox* m_cboFarg;
    QComboBox* m_cboStorlek;
    QComboBox* m_cboTsnitt;
};

} // namespace vimla::dialogs
