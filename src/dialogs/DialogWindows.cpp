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
    editor.windows().registerWindow(QStringLiteral("frmFont"),
                          [](shell::Editor& e) { return new FrmFont(e); });
    editor.windows().registerWindow(QStringLiteral("frmLista"),
                          [](shell::Editor& e) { return new FrmLista(e); });
    editor.windows().registerWindow(QStringLiteral("frmLank"),
                          [](shell::Editor& e) { return new FrmLank(e); });
    editor.windows().registerWindow(QStringLiteral("frmTabell"),
                          [](shell::Editor& e) { return new FrmTabell(e); });
    editor.windows().registerWindow(QStringLiteral("frmBild"),
                          [](shell::Editor& e) { return new FrmBild(e); });
    editor.windows().registerWindow(QStringLiteral("frmStor"),
                          [](shell::Editor& e) { return new FrmStor(e); });
}

} // namespace vimla::dialogs
