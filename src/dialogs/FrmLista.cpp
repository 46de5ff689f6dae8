#include "dialogs/FrmLista.h"

#include "dialogs/MarkupHtml.h"
#include "dialogs/RefusalNotice.h"
#include "shell/Editor.h"
#include "shell/FormParts.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace vimla::dialogs {

using shell::addLabelledField;
using shell::addOkAvbrytRow;
using shell::makeLineEdit;
using shell::OkAvbrytButtons;

FrmLista::FrmLista(shell::Editor& editor)
    : FormWindow(editor, QStringLiteral("frmLista"), QStringLiteral("Lista")),
      m_optOnum(new QRadioButton(QStringLiteral("Onumrerad"), this)),
      m_optNum(new QRadioButton(QStringLiteral("Numrerad"), this)),
      m_txtAntal(makeLineEdit(QStringLiteral("txtAntal"), this)) {
    m_optOnum->setObjectName(QStringLiteral("optOnum"));
    m_optNum->setObjectName(QStringLiteral("optNum"));
    m_optOnum->setChecked(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_optOnum, 0, 0, 1, 2);
    layout->addWidget(m_optNum, 1, 0, 1, 2);
    addLabelledField(layout, 2, QStringLiteral("Label1"), QStringLiteral("Antal rader i listan"),
                     m_txtAntal);
    const OkAvbrytButtons buttons = addOkAvbrytRow(layout, 3, this);

    shell::setTabChain({m_optOnum, m_optNum, m_txtAntal, buttons.cmdOk, buttons.cmdAvbryt});
    m_optOnum->setFocus();

    connect(buttons.cmdOk, &QPushButton::clicked, this, &FrmLista::cmdOk_Click);
}

void FrmLista::cmdOk_Click() {
    const ListKind kind = m_optOnum->isChecked() ? ListKind::Unnumbered : ListKind::Numbered;
    const BuiltMarkup list = listHtml({kind, m_txtAntal->text()});
    if (reportRefusal(editor(), list))
        return;
    editor().writeSelectedText(list.html);
    unloadAndReturnToDocument();
}

} // namespace vimla::dialogs
