#pragma once

#include "shell/FormWindow.h"

class QLineEdit;

namespace vimla::dialogs {

// frmLank: inserts a link from its address and its text.
class FrmLank : public shell::FormWindow {
    Q_OBJECT
public:
    explicit FrmLank(shell::Editor& editor);

private:
    void cmdOk_Click();

    QLineEdit* m_txtLankadr;
    QLineEdit* m_txtLanktext;
};

} // namespace vimla::dialogs
