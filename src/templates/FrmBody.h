#pragma once

#include "shell/FormWindow.h"
#include "templates/PageHtml.h"

class QComboBox;
class QLineEdit;

namespace vimla::templates {

class LockableComboBox;

// frmBody, "Nytt dokument": replaces the document by a new page skeleton ("OK") or by an empty
// text ("Tom").
class FrmBody : public shell::FormWindow {
    Q_OBJECT
public:
    explicit FrmBody(shell::Editor& editor);

protected:
    // The background colour and the background image lock each other when entered.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmdOk_Click();
    void cmdTom_Click();
    BodyFields fields() const;

    QLineEdit* m_txtTitel;
    LockableComboBox* m_cboBakfarg;
    QLineEdit* m_txtBakbild;
    QComboBox* m_cboTextfarg;
    QComboBox* m_cboLink;
    QComboBox* m_cboVlink;
};

} // namespace vimla::templates
