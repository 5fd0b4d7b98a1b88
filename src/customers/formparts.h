#pragma once

#include <QString>

class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class QWidget;

// Building blocks shared by the windows of the customer directory.
namespace customers {

QPushButton* MakeButton(const QString& name, const QString& caption, QWidget* parent);
QLabel* MakeLabel(const QString& name, const QString& caption, QWidget* parent);
// An edit that takes only what the settings file can hold.
QLineEdit* MakeEdit(const QString& name, QWidget* parent);

// A fixed-size dialog with a caption and no title-bar buttons: it closes only through its own
// buttons.
// Ends a dialog's column with its confirming and cancelling buttons on the right and fixes the
// dialog's size to what it holds.
void AddButtonRow(QVBoxLayout& layout, QPushButton* confirm, QPushButton* cancel);

void MakeClosedByButtonsOnly(QDialog& dialog, const QString& name, const QString& caption);

}  // namespace customers
