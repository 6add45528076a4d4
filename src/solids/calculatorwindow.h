#pragma once

#include "calculator.h"
#include "runtime/form.h"

namespace solids {

struct Solid;

// A calculator window: its layout and its calculator are data; the two
// buttons are the same everywhere.
class CalculatorWindow : public rt::Form, public Sheet {
public:
    explicit CalculatorWindow(const Solid& solid);

    const Solid& solid() const { return solid_; }

    void cmdberechnen_Click();
    void cmdzurück_Click();

    // Sheet
    QString text(const QString& name) const override;
    QString rowCaption(const QString& name) const override { return Form::rowCaption(name); }
    bool isSet(const QString& option) const override;
    void write(const QString& label, const QString& text) override { setCaption(label, text); }
    void message(const QString& text, int style, const QString& title) override;

private:
    const Solid& solid_;
};

} // namespace solids
