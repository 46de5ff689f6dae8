#include "dialogs/FrmFont.h"

#include "dialogs/MarkupHtml.h"
#include "shell/Editor.h"
#include "shell/FormParts.h"
#include "text/Colours.h"

#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>

namespace vimla::dialogs {

using shell::addLabelledField;
using shell::addOkAvbrytRow;
using shell::makeEditableComboBox;
using shell::OkAvbrytButtons;
namespace {

const QStringList kSizes{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                         QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"),
                         QStringLiteral("7")};
const QStringList kTypefaces{QStringLiteral("Algerian"), QStringLiteral("Arial"),
                             QStringLiteral("Courier New"), QStringLiteral("Times New Roman")};

} // namespace

FrmFont::FrmFont(shell::Editor& editor)
    : FormWindow(editor, QStringLiteral("frmFont"), QStringLiteral("FONT")),
      m_cboFarg(
          makeEditableComboBox(QStringLiteral("cboFarg"), text::colourList(), QString(), this)),
      m_cboStorlek(makeEditableComboBox(QStringLiteral("cboStorlek"), kSizes, QString(), this)),
      m_cboTsnitt(makeEditableComboBox(QStringLiteral("cboTsnitt"), kTypefaces, QString(), this)) {
    auto* layout = new QGridLayout(this);
    addLabelledField(layout, 0, QStringLiteral("lblcolor"), QStringLiteral("Färg:"), m_cboFarg);
    addLabelledField(layout, 1, QStringLiteral("lblSize"), QStringLiteral("Storlek:"),
                     m_cboStorlek);
    addLabelledField(layout, 2, QStringLiteral("lblTecken"), QStringLiteral("Teckensnitt:"),
                     m_cboTsnitt);
    const OkAvbrytButtons buttons = addOkAvbrytRow(layout, 3, this);

    shell::setTabChain({m_cboFarg, m_cboStorlek, m_cboTsnitt, buttons.cmdOk, buttons.cmdAvbryt});
    m_cboFarg->setFocus();

    connect(buttons.cmdOk, &QPushButton::clicked, this, &FrmFont::cmdOk_Click);
}

void FrmFont::cmdOk_Click() {
    const QString openingTag = fontOpeningTag(
        {m_cboFarg->currentText(), m_cboStorlek->currentText(), m_cboTsnitt->currentText()});
    // Omslut carries the selection through the clipboard, which then holds the selected text.
    editor().Omslut(openingTag, QStringLiteral("</FONT>"));
    unloadAndReturnToDocument();
}

} // namespace vimla::dialogs
