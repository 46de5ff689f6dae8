#pragma once

#include "shell/FormWindow.h"

namespace vimla::templates {

// frmRamar, "Ramar - Frames": choosing a layout hands over to its frame set dialog, with the
// document window still disabled.
class FrmRamar : public shell::FormWindow {
    Q_OBJECT
public:
    explicit FrmRamar(shell::Editor& editor);

private:
    void optRam1_Click(int index);
};

} // namespace vimla::templates
