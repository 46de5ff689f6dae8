#include "templates/TemplateWindows.h"

#include "shell/Editor.h"
#include "templates/FrmBody.h"
#include "templates/FrmRam.h"
#include "templates/FrmRamar.h"

namespace vimla::templates {

void registerTemplateWindows(shell::Editor& editor) {
    editor.windows().registerWindow(QStringLiteral("frmBody"),
                          [](shell::Editor& e) { return new FrmBody(e); });
    editor.windows().registerWindow(QStringLiteral("frmRamar"),
                          [](shell::Editor& e) { return new FrmRamar(e); });
    for (FrameLayout layout :
         {FrameLayout::Columns, FrameLayout::Rows, FrameLayout::RowsAndColumns}) {
        editor.windows().registerWindow(FrmRam::formName(layout),
                              [layout](shell::Editor& e) { return new FrmRam(e, layout); });
    }
}

} // namespace vimla::templates
