#include "templates/FrmRam.h"

#include "shell/FormParts.h"
#include "templates/DocumentReplacement.h"
#include "templates/FramePreview.h"
#include "text/LeadingNumber.h"
#include "text/SignPlace.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vimla::templates {
namespace {

constexpr int kPreviewWidth = 1600;
constexpr int kPreviewHeight = 1200;
// Both dividers start at 20 per cent, matching the initial field texts.
constexpr float kInitialColumn = 320;
constexpr float kInitialRow = 240;

// The layouts are numbered as the chooser offers them: 1 columns, 2 rows, 3 both.
int layoutNumber(FrameLayout layout) {
    switch (layout) {
    case FrameLayout::Columns:
        return 1;
    case FrameLayout::Rows:
        return 2;
    case FrameLayout::RowsAndColumns:
        break;
    }
    return 3;
}

QString caption(FrameLayout layout) {
    return QStringLiteral("Ramförslag %1").arg(layoutNumber(layout));
}

// A percent field with its caption above it and "%" behind it, placed at (row, column).
QLineEdit* addPercentField(QWidget* parent, QGridLayout* grid, int row, int column,
                           const QString& objectName, const QString& caption, const QString& text) {
    auto* field = new QLineEdit(text, parent);
    field->setObjectName(objectName);
    // Room for a percentage such as " 87.5" rather than a whole line.
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
    auto* label = new QLabel(caption, parent);
    label->setBuddy(field);
    auto* percent = new QLabel(QStringLiteral("%"), parent);

    auto* box = new QGridLayout;
    box->addWidget(label, 0, 0, 1, 2);
    box->addWidget(field, 1, 0);
    box->addWidget(percent, 1, 1);
    grid->addLayout(box, row, column);
    return field;
}

} // namespace

QString FrmRam::formName(FrameLayout layout) {
    return QStringLiteral("frmRam%1").arg(layoutNumber(layout));
}

FrmRam::FrmRam(shell::Editor& editor, FrameLayout layout)
    : FormWindow(editor, formName(layout), caption(layout)), m_layout(layout) {
    // Column fields above the preview, row fields to its left, buttons under it.
    auto* layoutBox = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layoutBox->addLayout(grid);

    // Created in the tab order: rows first, as the fields are listed.
    if (layout != FrameLayout::Columns)
        addRowPart(grid);
    if (layout != FrameLayout::Rows)
        addColumnPart(grid);

    m_frame1 = new FramePreview(QStringLiteral("Frame1"), {kPreviewWidth, kPreviewHeight}, this);
    grid->addWidget(m_frame1, 1, 1, Qt::AlignLeft | Qt::AlignTop);
    if (m_txtVanster)
        m_frame1->addLine(QStringLiteral("Line1"),
                          {kInitialColumn, 0, kInitialColumn, float(kPreviewHeight)});
    if (m_txtOvre)
        m_frame1->addLine(rowDivider(), {0, kInitialRow, float(kPreviewWidth), kInitialRow});

    QPushButton* cmdOk = shell::makeButton(QStringLiteral("cmdOk"), QStringLiteral("OK"), this);
    QPushButton* cmdAvbryt = shell::makeAvbrytButton(this);
    grid->addLayout(shell::makeButtonRow(shell::ButtonRowShape::Leading, {cmdOk, cmdAvbryt}), 2, 1);

    connect(cmdOk, &QPushButton::clicked, this, &FrmRam::cmdOk_Click);

    if (m_txtVanster)
        couple({m_txtVanster, m_txtHoger, QStringLiteral("Line1"), Axis::X, kPreviewWidth});
    if (m_txtOvre)
        couple({m_txtOvre, m_txtUndre, rowDivider(), Axis::Y, kPreviewHeight});

    switch (layout) {
    case FrameLayout::Columns:
        m_txtVanster->setFocus();
        break;
    case FrameLayout::Rows:
        m_txtOvre->setFocus();
        break;
    case FrameLayout::RowsAndColumns:
        cmdAvbryt->setFocus();
        break;
    }
}

void FrmRam::addColumnPart(QGridLayout* grid) {
    auto* fields = new QGridLayout;
    grid->addLayout(fields, 0, 1, Qt::AlignLeft);
    m_txtVanster = addPercentField(this, fields, 0, 0, QStringLiteral("txtVanster"),
                                   QStringLiteral("Vänster del"), QStringLiteral("20"));
    m_txtHoger = addPercentField(this, fields, 0, 1, QStringLiteral("txtHoger"),
                                 QStringLiteral("Höger del"), QStringLiteral("80"));
    m_txtHoger->setReadOnly(true);
}

void FrmRam::addRowPart(QGridLayout* grid) {
    auto* fields = new QGridLayout;
    grid->addLayout(fields, 1, 0, Qt::AlignTop);
    m_txtOvre = addPercentField(this, fields, 0, 0, QStringLiteral("txtOvre"),
                                QStringLiteral("Övre del"), QStringLiteral("20"));
    m_txtUndre = addPercentField(this, fields, 1, 0, QStringLiteral("txtUndre"),
                                 QStringLiteral("Undre del"), QStringLiteral("80"));
    m_txtUndre->setReadOnly(true);
}

// The row divider is the only line of frmRam2 and the second one of frmRam3.
QString FrmRam::rowDivider() const {
    return m_layout == FrameLayout::Rows ? QStringLiteral("Line1") : QStringLiteral("Line2");
}

void FrmRam::couple(const Coupling& coupling) {
    // Every change counts, also the emptying done by the coupling itself: that runs the
    // coupling once more, nested, with the empty text, which then lies in range.
    connect(coupling.field, &QLineEdit::textChanged, this,
            [this, coupling] { fieldChanged(coupling); });
}

void FrmRam::fieldChanged(const Coupling& coupling) {
    const text::LeadingNumber typed = text::leadingNumber(coupling.field->text());
    if (typed.isOutOfRange() || typed.value < 0 || typed.value > 100)
        coupling.field->setText(QString());

    const text::LeadingNumber kept = text::leadingNumber(coupling.field->text());
    const double percent = kept.isOutOfRange() ? 0.0 : kept.value;
    coupling.partner->setText(text::writeWithSignPlace(100 - percent));

    const auto position = static_cast<float>(percent * coupling.scale / 100);
    TwipLine line = m_frame1->line(coupling.line);
    if (coupling.axis == Axis::X)
        line.x1 = line.x2 = position;
    else
        line.y1 = line.y2 = position;
    m_frame1->setLine(coupling.line, line);
}

FrameFields FrmRam::fields() const {
    FrameFields texts;
    if (m_txtOvre) {
        texts.upper = m_txtOvre->text();
        texts.lower = m_txtUndre->text();
    }
    if (m_txtVanster) {
        texts.left = m_txtVanster->text();
        texts.right = m_txtHoger->text();
    }
    return texts;
}

void FrmRam::cmdOk_Click() {
    if (askToSaveBeforeReplacing(editor()) == shell::Decision::Stop)
        return;
    replaceDocument(editor(), framePageHtml(m_layout, fields()));
    unloadAndReturnToDocument();
}

} // namespace vimla::templates
