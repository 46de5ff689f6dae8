#include "templates/FrmBody.h"

#include "templates/DocumentReplacement.h"
#include "templates/LockableComboBox.h"
#include "text/Colours.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vimla::templates {
namespace {

QComboBox* prepareColourBox(QComboBox* box, const QString& objectName) {
    box->setObjectName(objectName);
    box->setEditable(true);
    // Enter must not add the typed text to the list.
    box->setInsertPolicy(QComboBox::NoInsert);
    // What the pupil types is what goes into the page, not a completed colour word.
    box->setCompleter(nullptr);
    box->addItems(text::colourList());
    box->setCurrentIndex(-1);
    box->setEditText(QString());
    return box;
}

QLineEdit* lineEdit(const QString& objectName, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    return edit;
}

void addField(QFormLayout* form, const QString& labelName, const QString& caption, QWidget* field) {
    auto* label = new QLabel(caption, field->parentWidget());
    label->setObjectName(labelName);
    label->setBuddy(field);
    form->addRow(label, field);
}

QPushButton* button(const QString& objectName, const QString& caption, QWidget* parent) {
    auto* pushButton = new QPushButton(caption, parent);
    pushButton->setObjectName(objectName);
    return pushButton;
}

} // namespace

FrmBody::FrmBody(shell::Editor& editor)
    : FormWindow(editor, QStringLiteral("frmBody"), QStringLiteral("Nytt dokument")),
      m_txtTitel(lineEdit(QStringLiteral("txtTitel"), this)),
      m_cboBakfarg(new LockableComboBox(this)),
      m_txtBakbild(lineEdit(QStringLiteral("txtBakbild"), this)),
      m_cboTextfarg(new QComboBox(this)), m_cboLink(new QComboBox(this)),
      m_cboVlink(new QComboBox(this)) {
    prepareColourBox(m_cboBakfarg, QStringLiteral("cboBakfarg"));
    prepareColourBox(m_cboTextfarg, QStringLiteral("cboTextfarg"));
    prepareColourBox(m_cboLink, QStringLiteral("cboLink"));
    prepareColourBox(m_cboVlink, QStringLiteral("cboVlink"));

    auto* form = new QFormLayout;
    addField(form, QStringLiteral("lblSidtitel"), QStringLiteral("Sidans titel:"), m_txtTitel);
    addField(form, QStringLiteral("lbBakfarg"), QStringLiteral("Bakgrundsfärg:"), m_cboBakfarg);
    addField(form, QStringLiteral("lblBakbild"), QStringLiteral("Bakgrundsbild:"), m_txtBakbild);
    addField(form, QStringLiteral("lblTextfarg"), QStringLiteral("Färg på text:"), m_cboTextfarg);
    addField(form, QStringLiteral("lblLink"), QStringLiteral("Färg på länk:"), m_cboLink);
    addField(form, QStringLiteral("lblVlink"), QStringLiteral("Färg på besökt länk:"), m_cboVlink);

    auto* cmdOk = button(QStringLiteral("cmdOk"), QStringLiteral("OK"), this);
    auto* cmdTom = button(QStringLiteral("cmdTom"), QStringLiteral("Tom"), this);
    auto* cmdAvbryt = button(QStringLiteral("cmdAvbryt"), QStringLiteral("Avbryt"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdTom);
    buttons->addWidget(cmdAvbryt);

    // Room for a whole page title; the other fields of the form grow with it.
    m_txtTitel->setMinimumWidth(m_txtTitel->fontMetrics().averageCharWidth() * 32);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(cmdOk, &QPushButton::clicked, this, &FrmBody::cmdOk_Click);
    connect(cmdTom, &QPushButton::clicked, this, &FrmBody::cmdTom_Click);
    connect(cmdAvbryt, &QPushButton::clicked, this, &FrmBody::cmdAvbryt_Click);

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
    closeAndReturnToDocument();
}

void FrmBody::cmdTom_Click() {
    if (askToSaveBeforeReplacing(editor()) == shell::Decision::Stop)
        return;
    emptyDocument(editor());
    closeAndReturnToDocument();
}

void FrmBody::cmdAvbryt_Click() {
    closeAndReturnToDocument();
}

void FrmBody::closeAndReturnToDocument() {
    unload();
    editor().EditorPa();
}

} // namespace vimla::templates
