#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

namespace test {

// Fonts and window definitions as the program sets them up, with the
// platform's notes below dropped.
void setUpProgram();

// Drops the offscreen platform's notes on what it cannot do (raise a window,
// pass size hints), which long runs would print thousands of times.
void quietPlatformNotes();

struct ShownBox {
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::TextFormat format = Qt::AutoText;
    QRect frame; // where the box stood, decorations included
};

// Runs the action; the modal message box it opens (if any) is read and
// answered with OK.
ShownBox answerBox(const std::function<void()>& action);

// Clicks a widget's button-like control by object name inside a window.
void click(QWidget* window, const QString& name);

// Replaces a text box's text the way a user types it.
void type(QWidget* window, const QString& box, const QString& text);

QString labelText(QWidget* window, const QString& label);

// Types a long number into every box of the window (a calculator's lengths each
// a tenth of the one before), sets the option if one is named and presses the
// button: the results come out with many digits.
ShownBox computeLongNumbers(QWidget* window, const QString& option, const QString& button);

} // namespace test

#include "textsheet.h"
