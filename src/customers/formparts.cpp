#include "customers/formparts.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/cp1251validator.h"

namespace customers {

QPushButton* MakeButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QLabel* MakeLabel(const QString& name, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

QLineEdit* MakeEdit(const QString& name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setValidator(new Cp1251Validator(edit));
    edit->setMinimumWidth(320);
    return edit;
}

void AddButtonRow(QVBoxLayout& layout, QPushButton* confirm, QPushButton* cancel) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(confirm);
    buttons->addWidget(cancel);
    layout.addLayout(buttons);
    layout.setSizeConstraint(QLayout::SetFixedSize);
}

void MakeClosedByButtonsOnly(QDialog& dialog, const QString& name, const QString& caption) {
    dialog.setObjectName(name);
    dialog.setWindowTitle(caption);
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

}  // namespace customers
