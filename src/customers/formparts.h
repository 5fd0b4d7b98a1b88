#pragma once

#include <QString>

class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Building blocks shared by the windows of the customer directory.
namespace customers {

QPushButton* MakeButton(const QString& name, const QString& caption, QWidget* parent);
QLabel* MakeLabel(const QString& name, const QString& caption, QWidget* parent);
// An edit that takes only what the settings file can hold.
QLineEdit* MakeEdit(const QString& name, QWidget* parent);

// A fixed-size dialog with a caption and no title-bar buttons: it closes only through its own
// buttons.
void MakeClosedByButtonsOnly(QDialog& dialog, const QString& name, const QString& caption);

}  // namespace customers
