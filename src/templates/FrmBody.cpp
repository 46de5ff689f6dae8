#include "templates/FrmBody.h"

#include "shell/FormParts.h"
#include "templates/DocumentReplacement.h"
#include "templates/LockableComboBox.h"
#include "text/Colours.h"

#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vimla::templates {
namespace {

void addField(QFormLayout* form, const QString& labelName, const QString& caption, QWidget* field) {
    form->addRow(shell::makeLabel(labelName, caption, field, field->parentWidget()), field);
}

} // namespace

FrmBody::FrmBody(shell::Editor& editor)
    : FormWindow(editor, QStringLiteral("frmBody"), QStringLiteral("Nytt dokument")),
      m_txtTitel(shell::makeLineEdit(QStringLiteral("txtTitel"), this)),
      m_cboBakfarg(new LockableComboBox(this)),
      m_txtBakbild(shell::makeLineEdit(QStringLiteral("txtBakbild"), this)),
      m_cboTextfarg(new QComboBox(this)), m_cboLink(new QComboBox(this)),
      m_cboVlink(new QComboBox(this)) {
    shell::setUpEditableComboBox(m_cboBakfarg, QStringLiteral("cboBakfarg"), text::colourList(),
                                 QString());
    shell::setUpEditableComboBox(m_cboTextfarg, QStringLiteral("cboTextfarg"), text::colourList(),
                                 QString());
    shell::setUpEditableComboBox(m_cboLink, QStringLiteral("cboLink"), text::colourList(),
                                 QString());
    shell::setUpEditableComboBox(m_cboVlink, QStringLiteral("cboVlink"), text::colourList(),
                                 QString());

    auto* form = new QFormLayout;
    addField(form, QStringLiteral("lblSidtitel"), QStringLiteral("Sidans titel:"), m_txtTitel);
    addField(form, QStringLiteral("lbBakfarg"), QStringLiteral("Bakgrundsfärg:"), m_cboBakfarg);
    addField(form, QStringLiteral("lblBakbild"), QStringLiteral("Bakgrundsbild:"), m_txtBakbild);
    addField(form, QStringLiteral("lblTextfarg"), QStringLiteral("Färg på text:"), m_cboTextfarg);
    addField(form, QStringLiteral("lblLink"), QStringLiteral("Färg på länk:"), m_cboLink);
    addField(form, QStringLiteral("lblVlink"), QStringLiteral("Färg på besökt länk:"), m_cboVlink);

    auto* cmdOk = shell::makeButton(QStringLiteral("cmdOk"), QStringLiteral("OK"), this);
    auto* cmdTom = shell::makeButton(QStringLiteral("cmdTom"), QStringLiteral("Tom"), this);
    QPushButton* cmdAvbryt = shell::makeAvbrytButton(this);

    // Room for a whole page title; the other fields of the form grow with it.
    m_txtTitel->setMinimumWidth(m_txtTitel->fontMetrics().averageCharWidth() * 32);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(
        shell::makeButtonRow(shell::ButtonRowShape::Filled, {cmdOk, cmdTom, cmdAvbryt}));

    connect(cmdOk, &QPushButton::clicked, this, &FrmBody::cmdOk_Click);
    connect(cmdTom, &QPushButton::clicked, this, &FrmBody::cmdTom_Click);

    m_cboBakfarg->installEventFilter(this);
    m_txtBakbild->installEventFilter(this);
    m_txtTitel->setFocus();
}

bool FrmBody::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == m_cboBakfarg)
            m_cboBakfarg->setLocked(!m_txtBakbild->text().isEmpty());
        else if (watched == m_txtBakbild)
            m_txtBakbild->setReadOnly(!m_cboBakfarg->currentText().isEmpty());
    }
    return FormWindow::eventFilter(watched, event);
}

BodyFields FrmBody::fields() const {
    return {m_txtTitel->text(),           m_cboBakfarg->currentText(), m_txtBakbild->text(),
            m_cboTextfarg->currentText(), m_cboLink->currentText(),    m_cboVlink->currentText()};
}

void FrmBody::cmdOk_Click() {
    if (askToSaveBeforeReplacing(editor()) == shell::Decision::Stop)
        return;
    replaceDocument(editor(), newPageHtml(fields()));
    unloadAndReturnToDocument();
}

void FrmBody::cmdTom_Click() {
    if (askToSaveBeforeReplacing(editor()) == shell::Decision::Stop)
        return;
    editor().startEmptyUnnamedDocument();
    unloadAndReturnToDocument();
}

} // namespace vimla::templates
