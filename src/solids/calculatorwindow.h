#pragma once

#include "calculator.h"
#include "runtime/form.h"

namespace solids {

// Fonts the calculator windows are described with.
inline constexpr rt::FontSpec kCaption{"MS Sans Serif", 12};
inline constexpr rt::FontSpec kUnit{"MS Sans Serif", 9.75};
inline constexpr rt::FontSpec kButton{"MS Sans Serif", 9.75};
inline constexpr rt::FontSpec kTitle{"Georgia", 11.25, true};

// A calculator window: its description and its calculator are data; the two
// buttons are the same everywhere.
class CalculatorWindow : public rt::Form, public Sheet {
public:
    CalculatorWindow(const rt::WindowDescription& description, const Calculator& calculator);

    void cmdberechnen_Click();
    void cmdzurück_Click();

    // Sheet
    QString text(const QString& name) const override;
    QString rowCaption(const QString& name) const override { return Form::rowCaption(name); }
    bool isSet(const QString& option) const override;
    void write(const QString& label, const QString& text) override { setCaption(label, text); }
    void message(const QString& text, int style, const QString& title) override;

private:
    const Calculator& calculator_;
};

} // namespace solids
