#pragma once

#include "shell/FormWindow.h"

class QPushButton;

namespace vimla::dialogs {

class PictureBox;

// frmStor: the larger picture viewer opened from the image dialog. It never touches the
// document window.
class FrmStor : public shell::FormWindow {
    Q_OBJECT
public:
    explicit FrmStor(shell::Editor& editor);

    // Loads the picture anew; on failure the message is shown and the earlier picture stays.
    void showPicture(const QString& path);

protected:
    void afterCancel() override {}

private:
    void cmdOk_Click();

    PictureBox* m_picture1;
    QPushButton* m_cmdOk;
};

} // namespace vimla::dialogs
