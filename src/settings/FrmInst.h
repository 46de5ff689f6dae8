#pragma once

#include "shell/FormWindow.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vimla::settings {

// frmInst, "Inställningar": the editor's font, text size and browser path. Opened from the menu
// without disabling the document window, so none of its ways out enables it again.
class FrmInst : public shell::FormWindow {
    Q_OBJECT
public:
    explicit FrmInst(shell::Editor& editor);

protected:
    void afterCancel() override;

private:
    void createControls();
    void layOutControls();
    void Form_Load();
    void cmdBladdra_Click();
    void cmdOk_Click();
    // Applies the font, takes over the values and writes the file; false at the first failure,
    // with what was done before it left done.
    bool applyAndStore();

    QLabel* m_label1;
    QComboBox* m_cboTextStorlek;
    QLabel* m_label2;
    QComboBox* m_cboTsnitt;
    QLabel* m_label3;
    QLineEdit* m_txtwebblasare;
    QPushButton* m_cmdBladdra;
    QPushButton* m_cmdOk;
    QPushButton* m_cmdAvbryt;

    // This dialog's own file dialog remembers the last file browsed to; it starts empty.
    QString m_browsedPath;
    QString m_browsedFileName; // the same file without folder, the name the browser check judges
};

} // namespace vimla::settings
