#include "dialogs/FrmStor.h"

#include "dialogs/PictureBox.h"
#include "shell/Editor.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace vimla::dialogs {

FrmStor::FrmStor(shell::Editor& editor)
    : FormWindow(editor, QStringLiteral("frmStor"), QStringLiteral("Stor bild")),
      m_picture1(new PictureBox(QStringLiteral("Picture1"), 6855, 4335, this)),
      m_cmdOk(new QPushButton(QStringLiteral("OK"), this)) {
    m_picture1->setAccessibleName(QStringLiteral("Stor bild"));
    m_cmdOk->setObjectName(QStringLiteral("cmdOk"));
    m_cmdOk->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_picture1);
    layout->addWidget(m_cmdOk, 0, Qt::AlignHCenter);
    m_cmdOk->setFocus();

    connect(m_cmdOk, &QPushButton::clicked, this, &FrmStor::cmdOk_Click);
}

void FrmStor::showPicture(const QString& path) {
    if (!m_picture1->load(path))
        editor().showFailure(kPictureFailure);
}

void FrmStor::cmdOk_Click() {
    unload();
}

} // namespace vimla::dialogs
