#include "dialogs/FrmTabell.h"

#include "dialogs/MarkupHtml.h"
#include "dialogs/RefusalNotice.h"
#include "shell/Editor.h"
#include "shell/FormParts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vimla::dialogs {

using shell::addLabelledField;
using shell::addOkAvbrytRow;
using shell::makeEditableComboBox;
using shell::makeLineEdit;
using shell::OkAvbrytButtons;

FrmTabell::FrmTabell(shell::Editor& editor)
    : FormWindow(editor, QStringLiteral("frmTabell"), QStringLiteral("Tabell")),
      m_txtKolumn(makeLineEdit(QStringLiteral("txtKolumn"), this)),
      m_txtRad(makeLineEdit(QStringLiteral("txtRad"), this)),
      m_txtRam(makeLineEdit(QStringLiteral("txtRam"), this)),
      m_txtBredd(makeLineEdit(QStringLiteral("txtBredd"), this)),
      m_cboJust(makeEditableComboBox(
          QStringLiteral("cboJust"),
          {QStringLiteral("left"), QStringLiteral("center"), QStringLiteral("right")},
          QStringLiteral("left"), this)) {
    auto* layout = new QGridLayout(this);
    addLabelledField(layout, 0, QStringLiteral("lblKolumn"), QStringLiteral("Antal kolumner:"),
                     m_txtKolumn);
    addLabelledField(layout, 1, QStringLiteral("lblrad"), QStringLiteral("Antal rader:"), m_txtRad);
    addLabelledField(layout, 2, QStringLiteral("lblBorder"), QStringLiteral("Ram:"), m_txtRam);
    addLabelledField(layout, 3, QStringLiteral("lblBredd"), QStringLiteral("Bredd:"), m_txtBredd);
    auto* lblProc = new QLabel(QStringLiteral("%"), this);
    lblProc->setObjectName(QStringLiteral("lblProc"));
    layout->addWidget(lblProc, 3, 2);
    addLabelledField(layout, 4, QStringLiteral("lblJust"), QStringLiteral("Textjustering:"),
                     m_cboJust);
    const OkAvbrytButtons buttons = addOkAvbrytRow(layout, 5, this);

    shell::setTabChain(
        {m_txtKolumn, m_txtRad, m_txtRam, m_txtBredd, m_cboJust, buttons.cmdOk, buttons.cmdAvbryt});
    m_txtKolumn->setFocus();

    connect(buttons.cmdOk, &QPushButton::clicked, this, &FrmTabell::cmdOk_Click);
}

void FrmTabell::cmdOk_Click() {
    const BuiltMarkup table = tableHtml({m_txtKolumn->text(), m_txtRad->text(), m_txtRam->text(),
                                         m_txtBredd->text(), m_cboJust->currentText()});
    if (reportRefusal(editor(), table))
        return;
    editor().writeSelectedText(table.html);
    unloadAndReturnToDocument();
}

} // namespace vimla::dialogs
