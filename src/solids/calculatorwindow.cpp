#include "calculatorwindow.h"

#include "catalogue.h"
#include "runtime/events.h"
#include "runtime/messages.h"
#include "runtime/windows.h"

#include <QAbstractButton>
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
    // Enter in a dimension box presses "Berechnen".
    for (const Dimension& d : solid.calculator.dimensions)
        connect(textBox(QString::fromUtf8(d.box)), &QLineEdit::returnPressed,
                button(QStringLiteral("cmdberechnen")), &QAbstractButton::click);
    // The first keystroke goes into the top box, wherever the tab order starts.
    if (!solid.calculator.dimensions.empty())
        textBox(QString::fromUtf8(solid.calculator.dimensions.front().box))->setFocus();
    // A box that the chosen variant does not read cannot be typed into.
    for (const Variant& v : solid.calculator.variants) {
        if (auto* option = qobject_cast<QRadioButton*>(control(QString::fromUtf8(v.option))))
            connect(option, &QRadioButton::toggled, this, &CalculatorWindow::enableBoxes);
    }
    // An option the window opens with chosen ("Kegel") sends no signal.
    enableBoxes();
}

void CalculatorWindow::enableBoxes()
{
    const Variant* v = chosen(solid_.calculator, *this);
    for (const Dimension& d : solid_.calculator.dimensions)
        textBox(QString::fromUtf8(d.box))->setEnabled(!v || uses(*v, d));
}

void CalculatorWindow::cmdberechnen_Click()
{
    last_ = {};
    // Followers hear of every press, also one that ends in an error; the
    // window may be gone by then, closed while its message box was open.
    struct Tell {
        QPointer<CalculatorWindow> window;
        ~Tell()
        {
            if (window)
                window->tellFollowers();
        }
    } tell{this};
    if (calculate(solid_.calculator, *this) != Outcome::Computed)
        return;
    last_.succeeded = true;
    last_.variant = chosen(solid_.calculator, *this);
    for (const Dimension& d : solid_.calculator.dimensions)
        last_.texts.insert(QString::fromUtf8(d.box), text(QString::fromUtf8(d.box)));
    for (const Result& r : last_.variant->results)
        last_.texts.insert(QString::fromUtf8(r.label), text(QString::fromUtf8(r.label)));
}

const Variant& CalculatorWindow::currentVariant() const
{
    const Variant* v = chosen(solid_.calculator, *this);
    return v ? *v : solid_.calculator.variants.front();
}

QString CalculatorWindow::bodyId() const
{
    const model::Body* body = currentVariant().body;
    return body ? body->id : QString();
}

QString CalculatorWindow::chosenOption() const
{
    const Variant& v = currentVariant();
    for (const char* option : {v.option, v.choice}) {
        if (option && isSet(QString::fromUtf8(option)))
            return QString::fromUtf8(option);
    }
    return {};
}

bool CalculatorWindow::showBody(const QString& bodyId, const QHash<QString, double>& dimensions)
{
    const Variant* variant = nullptr;
    for (const Variant& v : solid_.calculator.variants) {
        if (!variant && v.body && v.body->id == bodyId)
            variant = &v;
    }
    if (!variant)
        return false;
    QList<std::pair<QLineEdit*, QString>> texts;
    for (const Dimension& d : solid_.calculator.dimensions) {
        // A box the shown solid has no use for keeps nothing of another one.
        if (!uses(*variant, d)) {
            texts.append({textBox(QString::fromUtf8(d.box)), QString()});
            continue;
        }
        const QString letter = bodyLetter(*variant, d);
        if (!dimensions.contains(letter))
            return false;
        texts.append({textBox(QString::fromUtf8(d.box)),
                      rt::toExactText(dimensions.value(letter), QLocale())});
    }
    for (const char* option : {variant->option, variant->choice}) {
        if (auto* o = option ? qobject_cast<QRadioButton*>(control(QString::fromUtf8(option)))
                             : nullptr) {
            o->setChecked(true);
            break;
        }
    }
    for (const auto& [box, text] : texts) {
        box->setText(text);
        box->setCursorPosition(0); // a long number read from its start
    }
    // As a press of the button would: an error is told, and the window may
    // be gone once its message box is answered.
    QPointer<CalculatorWindow> self(this);
    rt::invoke(this, [this] { cmdberechnen_Click(); });
    return self && self->last_.succeeded;
}

void CalculatorWindow::follow(QObject* follower, std::function<void()> changed)
{
    followers_.emplace_back(follower, std::move(changed));
}

void CalculatorWindow::tellFollowers()
{
    const auto followers = followers_; // a follower may come or go meanwhile
    for (const auto& [follower, changed] : followers) {
        if (follower)
            changed();
    }
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
