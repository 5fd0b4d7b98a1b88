#pragma once

#include "common/dialogs.h"

// The production Dialogs: windows shown modally for the user.
class QtDialogs : public Dialogs {
public:
    int Exec(QDialog& dialog) override;
    QString OpenFileName(QWidget* parent, const QString& initialPath, const QString& filter) override;
};

// Turns a filter written as "description|pattern; pattern" into the form Qt's file dialog reads.
QString ToQtFileFilter(const QString& filter);
