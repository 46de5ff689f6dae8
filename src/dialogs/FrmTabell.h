#pragma once

#include "shell/FormWindow.h"

class QComboBox;
class QLineEdit;

namespace vimla::dialogs {

// frmTabell: inserts a table of empty cells with a border, a width in per cent and one text
// alignment for every cell.
class FrmTabell : public shell::FormWindow {
    Q_OBJECT
public:
    explicit FrmTabell(shell::Editor& editor);

private:
    void cmdOk_Click();

    QLineEdit* m_txtKolumn;
    QLineEdit* m_txtRad;
    QLineEdit* m_txtRam;
    QLineEdit* m_txtBredd;
    QComboBox* m_cboJust;
};

} // namespace vimla::dialogs
