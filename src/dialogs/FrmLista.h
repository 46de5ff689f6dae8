#pragma once

#include "shell/FormWindow.h"

class QLineEdit;
class QRadioButton;

namespace vimla::dialogs {

// frmLista: inserts an unnumbered or numbered list with a chosen number of empty items.
class FrmLista : public shell::FormWindow {
    Q_OBJECT
public:
    explicit FrmLista(shell::Editor& editor);

private:
    void cmdOk_Click();

    QRadioButton* m_optOnum;
    QRadioButton* m_optNum;
    QLineEdit* m_txtAntal;
};

} // namespace vimla::dialogs
