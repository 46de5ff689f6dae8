#include "templates/FrmRamar.h"

#include "shell/Editor.h"
#include "shell/FormParts.h"
#include "templates/FramePreview.h"
#include "templates/FrmRam.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace vimla::templates {
namespace {

constexpr int kPictogramWidth = 1200;
constexpr int kPictogramHeight = 900;
constexpr float kDivider = 240;

struct Choice {
    FrameLayout layout;
    QString description; // the option has no caption; this names it for assistive technology
    bool columns;
    bool rows;
};

const Choice kChoices[] = {
    {FrameLayout::Columns, QStringLiteral("Ramförslag 1: två kolumner"), true, false},
    {FrameLayout::Rows, QStringLiteral("Ramförslag 2: två rader"), false, true},
    {FrameLayout::RowsAndColumns, QStringLiteral("Ramförslag 3: två rader med två kolumner"), true,
     true},
};

FramePreview* pictogram(int index, const Choice& choice, QWidget* parent) {
    auto* frame = new FramePreview(QStringLiteral("fraFrame%1").arg(index),
                                   {kPictogramWidth, kPictogramHeight}, parent);
    frame->setAccessibleName(choice.description);
    if (choice.rows)
        frame->addLine(QStringLiteral("Line1"), {0, kDivider, float(kPictogramWidth), kDivider});
    if (choice.columns)
        frame->addLine(QStringLiteral("Line2"), {kDivider, 0, kDivider, float(kPictogramHeight)});
    return frame;
}

} // namespace

FrmRamar::FrmRamar(shell::Editor& editor)
    : FormWindow(editor, QStringLiteral("frmRamar"), QStringLiteral("Ramar - Frames")) {
    auto* grid = new QGridLayout(this);
    auto* label1 = new QLabel(QStringLiteral("Välj ett av ramförslagen"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    grid->addWidget(label1, 0, 0, 1, 2);

    auto* optRam1 = new QButtonGroup(this);
    optRam1->setObjectName(QStringLiteral("optRam1"));
    for (int index = 1; index <= 3; ++index) {
        const Choice& choice = kChoices[index - 1];
        auto* option = new QRadioButton(this);
        option->setObjectName(QStringLiteral("optRam1_%1").arg(index));
        option->setAccessibleName(choice.description);
        optRam1->addButton(option, index);
        // Kept at its own size: a caption-less option reacts only to clicks on its circle.
        grid->addWidget(option, index, 0, Qt::AlignLeft | Qt::AlignVCenter);
        grid->addWidget(pictogram(index, choice, this), index, 1);
    }

    QPushButton* cmdavbryt = shell::makeAvbrytButton(this, QStringLiteral("cmdavbryt"));
    grid->addWidget(cmdavbryt, 4, 0, 1, 2, Qt::AlignLeft);

    // A selection by mouse or keyboard both check the option.
    connect(optRam1, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked)
            optRam1_Click(index);
    });
    cmdavbryt->setFocus();
}

void FrmRamar::optRam1_Click(int index) {
    shell::Editor& shellEditor = editor();
    unload();
    // Showing a dialog that is still open brings it to the front with its contents.
    shellEditor.windows().show(FrmRam::formName(kChoices[index - 1].layout));
}

} // namespace vimla::templates
