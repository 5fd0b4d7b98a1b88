#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <deque>
#include <functional>

#include "common/dialogs.h"

// The test double of Dialogs: never blocks. A modal window is shown without a modal loop (so its
// show-time steps run), then takes the next scripted answer: a function that may fill in and click
// the window's controls and returns the result code. With no answer queued the window is rejected.
// Everything shown is recorded, nested windows after the window that opened them.
class FakeDialogs : public Dialogs {
public:
    struct Shown {
        QString className;  // e.g. "QMessageBox", "TDataForm"
        QString objectName;
        QString title;  // window caption
        QString text;   // a message box's text
    };
    using Answer = std::function<int(QDialog&)>;

    int Exec(QDialog& dialog) override;
    QString OpenFileName(QWidget* parent, const QString& initialPath, const QString& filter) override;

    // Queues the answer for the next modal window.
    void Queue(Answer answer) { answers.push_back(std::move(answer)); }
    // Queues the path the next open-file dialog returns (empty: cancelled).
    void AnswerOpen(QString path) { openAnswers.push_back(std::move(path)); }

    std::deque<Answer> answers;
    std::deque<QString> openAnswers;
    QList<Shown> shown;
    struct OpenAsked {
        QString initialPath;
        QString filter;
    };
    QList<OpenAsked> opened;
};
