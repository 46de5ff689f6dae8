#include "dialogs/FrmLank.h"

#include "dialogs/MarkupHtml.h"
#include "shell/Editor.h"
#include "shell/FormParts.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

namespace vimla::dialogs {

using shell::addLabelledField;
using shell::addOkAvbrytRow;
using shell::makeLineEdit;
using shell::OkAvbrytButtons;

FrmLank::FrmLank(shell::Editor& editor)
    : FormWindow(editor, QStringLiteral("frmLank"), QStringLiteral("Länk")),
      m_txtLankadr(makeLineEdit(QStringLiteral("txtLankadr"), this)),
      m_txtLanktext(makeLineEdit(QStringLiteral("txtLanktext"), this)) {
    auto* layout = new QGridLayout(this);
    addLabelledField(layout, 0, QStringLiteral("Label1"), QStringLiteral("Länkens adress:"),
                     m_txtLankadr);
    addLabelledField(layout, 1, QStringLiteral("Label2"), QStringLiteral("Länkens text:"),
                     m_txtLanktext);
    const OkAvbrytButtons buttons = addOkAvbrytRow(layout, 2, this);
    // Room for an ordinary address such as "http://www.vimlaskolan.se/sida2.html".
    m_txtLankadr->setMinimumWidth(m_txtLankadr->fontMetrics().averageCharWidth() * 36);

    shell::setTabChain({m_txtLankadr, m_txtLanktext, buttons.cmdOk, buttons.cmdAvbryt});
    m_txtLankadr->setFocus();

    connect(buttons.cmdOk, &QPushButton::clicked, this, &FrmLank::cmdOk_Click);
}

void FrmLank::cmdOk_Click() {
    editor().writeSelectedText(linkHtml({m_txtLankadr->text(), m_txtLanktext->text()}));
    unloadAndReturnToDocument();
}

} // namespace vimla::dialogs
