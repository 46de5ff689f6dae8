#pragma once

#include <QString>
#include <QStringList>

#include <initializer_list>

class QComboBox;
class QGridLayout;
class QLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vimla::shell {

class FormWindow;

// The controls the dialog windows are built from, named and set up alike.

// A field label; the field is its buddy, so screen readers name the field by it.
QLabel* makeLabel(const QString& objectName, const QString& caption, QWidget* buddy,
                  QWidget* parent);

// A field with its label to the left, on a row of the layout.
QLabel* addLabelledField(QGridLayout* layout, int row, const QString& labelName,
                         const QString& caption, QWidget* field);

QLineEdit* makeLineEdit(const QString& objectName, QWidget* parent);

// An editable drop-down box whose text is exactly what was chosen or typed: Enter adds nothing
// to the list and nothing is completed while typing. No list entry is selected.
QComboBox* makeEditableComboBox(const QString& objectName, const QStringList& items,
                                const QString& initialText, QWidget* parent);
// The same set-up for a box of a class of its own.
QComboBox* setUpEditableComboBox(QComboBox* box, const QString& objectName,
                                 const QStringList& items, const QString& initialText);

// A button that Enter never presses.
QPushButton* makeButton(const QString& objectName, const QString& caption, QWidget* parent);

// Tab moves through the widgets in this order.
void setTabChain(std::initializer_list<QWidget*> widgets);

struct OkAvbrytButtons {
    QPushButton* cmdOk;
    QPushButton* cmdAvbryt;
};

// "Avbryt", a button that Enter never presses; it leaves the window as the close box does.
QPushButton* makeAvbrytButton(FormWindow* window,
                              const QString& objectName = QStringLiteral("cmdAvbryt"));

enum class ButtonRowShape {
    Spread,  // the last button at the right edge, the others at the left
    Centred, // side by side in the middle
    Leading, // side by side at the left
    Filled,  // sharing the whole width
};
QLayout* makeButtonRow(ButtonRowShape shape, std::initializer_list<QPushButton*> buttons);

// "OK" at the left and "Avbryt" at the right, on a row of their own under the fields.
OkAvbrytButtons addOkAvbrytRow(QGridLayout* layout, int row, FormWindow* window);

} // namespace vimla::shell
