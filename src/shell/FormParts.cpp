#include "shell/FormParts.h"

#include "shell/FormWindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vimla::shell {

QPushButton* makeButton(const QString& objectName, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QLabel* makeLabel(const QString& objectName, const QString& caption, QWidget* buddy,
                  QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(objectName);
    label->setBuddy(buddy);
    return label;
}

QLabel* addLabelledField(QGridLayout* layout, int row, const QString& labelName,
                         const QString& caption, QWidget* field) {
    QLabel* label = makeLabel(labelName, caption, field, layout->parentWidget());
    layout->addWidget(label, row, 0);
    layout->addWidget(field, row, 1);
    return label;
}

QLineEdit* makeLineEdit(const QString& objectName, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(objectName);
    return field;
}

QComboBox* makeEditableComboBox(const QString& objectName, const QStringList& items,
                                const QString& initialText, QWidget* parent) {
    return setUpEditableComboBox(new QComboBox(parent), objectName, items, initialText);
}

QComboBox* setUpEditableComboBox(QComboBox* box, const QString& objectName,
                                 const QStringList& items, const QString& initialText) {
    box->setObjectName(objectName);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->addItems(items);
    box->setCurrentIndex(-1);
    box->setEditText(initialText);
    return box;
}

void setTabChain(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

QPushButton* makeAvbrytButton(FormWindow* window, const QString& objectName) {
    QPushButton* button = makeButton(objectName, QStringLiteral("Avbryt"), window);
    QObject::connect(button, &QPushButton::clicked, window, &FormWindow::cancel);
    return button;
}

QLayout* makeButtonRow(ButtonRowShape shape, std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    if (shape == ButtonRowShape::Centred)
        row->addStretch();
    for (QPushButton* button : buttons) {
        if (shape == ButtonRowShape::Spread && button == *std::prev(buttons.end()))
            row->addStretch();
        row->addWidget(button);
    }
    if (shape == ButtonRowShape::Centred || shape == ButtonRowShape::Leading)
        row->addStretch();
    return row;
}

OkAvbrytButtons addOkAvbrytRow(QGridLayout* layout, int row, FormWindow* window) {
    const OkAvbrytButtons buttons{makeButton(QStringLiteral("cmdOk"), QStringLiteral("OK"), window),
                                  makeAvbrytButton(window)};
    layout->addLayout(makeButtonRow(ButtonRowShape::Spread, {buttons.cmdOk, buttons.cmdAvbryt}),
                      row, 0, 1, layout->columnCount());
    return buttons;
}

} // namespace vimla::shell
