#include "dialogs/DialogWindows.h"

#include "dialogs/FrmBild.h"
#include "dialogs/FrmFont.h"
#include "dialogs/FrmLank.h"
#include "dialogs/FrmLista.h"
#include "dialogs/FrmStor.h"
#include "dialogs/FrmTabell.h"
#include "shell/Editor.h"

namespace vimla::dialogs {

void registerDialogWindows(shell::Editor& editor) {
    editor.registerWindow(QStringLiteral("frmFont"),
                          [](shell::Editor& e) { return new FrmFont(e); });
    editor.registerWindow(QStringLiteral("frmLista"),
                          [](shell::Editor& e) { return new FrmLista(e); });
    editor.registerWindow(QStringLiteral("frmLank"),
                          [](shell::Editor& e) { return new FrmLank(e); });
    editor.registerWindow(QStringLiteral("frmTabell"),
                          [](shell::Editor& e) { return new FrmTabell(e); });
    editor.registerWindow(QStringLiteral("frmBild"),
                          [](shell::Editor& e) { return new FrmBild(e); });
    editor.registerWindow(QStringLiteral("frmStor"),
                          [](shell::Editor& e) { return new FrmStor(e); });
}

} // namespace vimla::dialogs
