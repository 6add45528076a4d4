#pragma once

#include "calculator.h"
#include "runtime/form.h"

#include <QMap>
#include <QPointer>
#include <functional>
#include <vector>

namespace solids {

struct Solid;

// What the last press of "Berechnen" worked with: the texts of every box and
// result as they stood when it succeeded, and the variant it computed.
struct Calculation {
    bool succeeded = false;
    const Variant* variant = nullptr;
    QMap<QString, QString> texts;
};

// A calculator window: its layout and its calculator are data; the two
// buttons are the same everywhere.
class CalculatorWindow : public rt::Form, public Sheet {
public:
    explicit CalculatorWindow(const Solid& solid);

    const Solid& solid() const { return solid_; }
    const Calculation& lastCalculation() const { return last_; }
    // The variant the window's options choose now, or the first.
    const Variant& currentVariant() const;
    // Calls back after every press of "Berechnen", whatever its outcome, for as
    // long as the follower lives.
    void follow(QObject* follower, std::function<void()> changed);

    void cmdberechnen_Click();
    void cmdzurück_Click();

    // Sheet
    QString text(const QString& name) const override;
    QString rowCaption(const QString& name) const override { return Form::rowCaption(name); }
    bool isSet(const QString& option) const override;
    void write(const QString& label, const QString& text) override { setCaption(label, text); }
    void message(const QString& text, int style, const QString& title) override;

private:
    void tellFollowers();
    void enableBoxes();

    const Solid& solid_;
    Calculation last_;
    std::vector<std::pair<QPointer<QObject>, std::function<void()>>> followers_;
};

} // namespace solids
