#pragma once

#include <QString>

class QDialog;
class QWidget;

// Everything modal the program shows goes through this interface, so that tests can answer the
// questions without a person and without blocking in exec(). The production implementation shows
// the windows; the test double runs a scripted answer on the window and records what was asked.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Shows a prepared modal window (a form of the program, a message box, the print dialog) and
    // returns its result code once it has closed.
    virtual int Exec(QDialog& dialog) = 0;

    // The open-file dialog: returns the chosen path, or an empty text when the user cancelled.
    virtual QString OpenFileName(QWidget* parent, const QString& initialPath, const QString& filter) = 0;
};

// A plain message box with one OK button. `critical` picks the error icon over the information one.
void ShowMessage(Dialogs& dialogs, QWidget* parent, const QString& caption, const QString& text,
                 bool critical = false);
