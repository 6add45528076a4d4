#include "calculatorwindow.h"

#include "catalogue.h"
#include "runtime/events.h"
#include "runtime/messages.h"
#include "runtime/windows.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace solids {

CalculatorWindow::CalculatorWindow(const Solid& solid)
    : Form(solid.layout)
    , solid_(solid)
{
    rt::onClick(button(QStringLiteral("cmdberechnen")), this,
                &CalculatorWindow::cmdberechnen_Click);
    rt::onClick(button(QStringLiteral("cmdzurück")), this, &CalculatorWindow::cmdzurück_Click);
}

void CalculatorWindow::cmdberechnen_Click()
{
    calculate(solid_.calculator, *this);
}

void CalculatorWindow::cmdzurück_Click()
{
    rt::windows::unload(objectName());
}

QString CalculatorWindow::text(const QString& name) const
{
    if (auto* box = textBox(name))
        return box->text();
    if (auto* l = label(name))
        return l->text();
    return {};
}

bool CalculatorWindow::isSet(const QString& option) const
{
    auto* o = qobject_cast<QRadioButton*>(control(option));
    return o && o->isChecked();
}

void CalculatorWindow::message(const QString& text, int style, const QString& title)
{
    rt::msgBox(text, style, title, this);
}

} // namespace solids
