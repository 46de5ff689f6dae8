#include "settings/FrmInst.h"

#include "settings/BrowserCheck.h"
#include "settings/PointSizeText.h"
#include "shell/Editor.h"
#include "shell/FormParts.h"
#include "shell/SettingsStore.h"
#include "text/LeadingNumber.h"
#include "text/SignPlace.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vimla::settings {
namespace {

const QString kBrowserRefused = QStringLiteral("Ej Netscape eller Internet Explorer");
const QString kSettingsFailed = QStringLiteral("Fel! Ändra inställningarna igen!");
const QString kPathNotFound = QStringLiteral("Hittar inte sökvägen.");
// Where the browsers of this desktop live.
const QString kProgramFolder = QStringLiteral("/usr/bin");

} // namespace

FrmInst::FrmInst(shell::Editor& editor)
    : FormWindow(editor, QStringLiteral("frmInst"), QStringLiteral("Inställningar")) {
    createControls();
    layOutControls();
    Form_Load();
}

void FrmInst::createControls() {
    m_cboTextStorlek =
        shell::makeEditableComboBox(QStringLiteral("cboTextStorlek"), {}, QString(), this);
    // Wide enough to show a size with its sign place, " 12", whole.
    m_cboTextStorlek->setMinimumContentsLength(5);
    m_cboTsnitt = shell::makeEditableComboBox(QStringLiteral("cboTsnitt"), {}, QString(), this);
    m_txtwebblasare = new QLineEdit(this);
    m_txtwebblasare->setObjectName(QStringLiteral("txtwebblasare"));
    m_label1 = shell::makeLabel(QStringLiteral("Label1"), QStringLiteral("Textstorlek:"),
                                m_cboTextStorlek, this);
    m_label2 = shell::makeLabel(QStringLiteral("Label2"), QStringLiteral("Teckensnitt:"),
                                m_cboTsnitt, this);
    m_label3 = shell::makeLabel(QStringLiteral("Label3"), QStringLiteral("Sökväg till webbläsare:"),
                                m_txtwebblasare, this);
    m_cmdBladdra =
        shell::makeButton(QStringLiteral("cmdBladdra"), QStringLiteral("Bläddra..."), this);
    m_cmdOk = shell::makeButton(QStringLiteral("cmdOk"), QStringLiteral("OK"), this);
    m_cmdAvbryt = shell::makeAvbrytButton(this);

    connect(m_cmdBladdra, &QPushButton::clicked, this, &FrmInst::cmdBladdra_Click);
    connect(m_cmdOk, &QPushButton::clicked, this, &FrmInst::cmdOk_Click);
}

void FrmInst::layOutControls() {
    m_txtwebblasare->setMinimumWidth(320);

    auto* fields = new QGridLayout;
    fields->addWidget(m_label1, 0, 0);
    fields->addWidget(m_cboTextStorlek, 0, 1, Qt::AlignLeft);
    fields->addWidget(m_label2, 1, 0);
    fields->addWidget(m_cboTsnitt, 1, 1, Qt::AlignLeft);
    fields->addWidget(m_label3, 2, 0);
    fields->addWidget(m_txtwebblasare, 2, 1);
    fields->addWidget(m_cmdBladdra, 3, 1, Qt::AlignRight);
    fields->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(8);
    layout->addLayout(shell::makeButtonRow(shell::ButtonRowShape::Centred, {m_cmdOk, m_cmdAvbryt}));

    shell::setTabChain(
        {m_cboTextStorlek, m_cboTsnitt, m_txtwebblasare, m_cmdBladdra, m_cmdOk, m_cmdAvbryt});
}

void FrmInst::Form_Load() {
    const shell::EditorState& state = editor().state();
    // Filling a list selects its first entry; the boxes show the values in use instead.
    m_cboTextStorlek->addItems({QStringLiteral("8"), QStringLiteral("9"), QStringLiteral("10"),
                                QStringLiteral("11"), QStringLiteral("12"), QStringLiteral("13"),
                                QStringLiteral("14")});
    m_cboTsnitt->addItems({QStringLiteral("Arial"), QStringLiteral("Courier New"),
                           QStringLiteral("MS Sans Serif"), QStringLiteral("Times New Roman")});
    m_cboTextStorlek->setCurrentIndex(-1);
    m_cboTsnitt->setCurrentIndex(-1);
    m_cboTextStorlek->setEditText(text::writeWithSignPlace(state.intTextStorlek));
    m_cboTsnitt->setEditText(state.strTsnitt);
    m_txtwebblasare->setText(state.strWebblasare);
}

void FrmInst::afterCancel() {
    // The document window was never disabled, so there is nothing to enable.
}

void FrmInst::cmdBladdra_Click() {
    const platform::FileChoice choice = editor().platform().showFileDialog(
        {platform::FileDialogKind::Open, browserFileFilter(), m_browsedPath, QString(),
         m_browsedPath.isEmpty() ? kProgramFolder : QString()},
        this);
    if (!choice.cancelled) {
        if (choice.fullPath.isEmpty()) {
            editor().showFailure(kPathNotFound);
            return;
        }
        m_browsedPath = choice.fullPath;
        m_browsedFileName = choice.fileName;
    }
    // After Cancel the field shows what the dialog remembers: empty at the first browse.
    m_txtwebblasare->setText(m_browsedPath);
}

void FrmInst::cmdOk_Click() {
    if (!browserCheckPasses(
            {m_browsedFileName, m_txtwebblasare->text(), editor().state().strWebblasare})) {
        editor().showFailure(kBrowserRefused);
        return;
    }
    if (!applyAndStore()) {
        editor().showFailure(kSettingsFailed);
        return;
    }
    unload();
}

bool FrmInst::applyAndStore() {
    const QString sizeText = m_cboTextStorlek->currentText();
    const QString fontName = m_cboTsnitt->currentText();
    const QString browserPath = m_txtwebblasare->text();
    QPlainTextEdit& txtHtml = editor().txtHtml();

    if (fontName.isEmpty())
        return false; // a font without a name cannot be set
    QFont font = txtHtml.font();
    font.setFamily(fontName);
    txtHtml.setFont(font);

    const std::optional<double> points = pointSizeFromText(sizeText);
    if (!points)
        return false;
    font.setPointSizeF(*points);
    txtHtml.setFont(font);

    shell::EditorState& state = editor().state();
    if (!browserPath.isEmpty())
        state.strWebblasare = browserPath;
    const std::optional<qint16> count = text::countFromText(sizeText);
    if (!count)
        return false;
    state.intTextStorlek = *count;
    state.strTsnitt = fontName;

    return shell::SettingsStore::save(editor().platform(),
                                      {sizeText, fontName, state.strWebblasare}) ==
           platform::WriteResult::Written;
}

} // namespace vimla::settings
