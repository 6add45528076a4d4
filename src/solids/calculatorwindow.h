#pragma once

#include "calculator.h"
#include "runtime/form.h"

#include <QHash>
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
    // The body the window computes now, by its options: its id (model::Body::id).
    QString bodyId() const;
    // The option set now that chooses that body; empty where the window has no choice.
    QString chosenOption() const;
    // Shows the body of that id: its option set, each of its dimensions (by
    // the letters model::bodyById gives them, in cm) written as the shortest
    // text that reads back as the same number in the user's notation, and
    // computed as "Berechnen" computes, a failure told as it tells one. False,
    // and nothing changed, where the window does not compute that body or a
    // dimension is not given; else whether the calculation went through.
    bool showBody(const QString& bodyId, const QHash<QString, double>& dimensions);
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
