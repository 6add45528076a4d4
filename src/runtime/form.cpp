#include "form.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <cstring>

namespace rt {

namespace {

// Room kept to the right of and below the outermost control when a window has
// to grow for a long result.
constexpr int kMargin = 8;

QString text(const char* s)
{
    return s ? QString::fromUtf8(s) : QString();
}

QRect designRect(const Control& c)
{
    return {px(c.left), px(c.top), px(c.width), px(c.height)};
}

bool takesFocus(Kind k)
{
    return k == Kind::TextBox || k == Kind::Button || k == Kind::Option || k == Kind::Picture;
}

// Units as the windows write them and as a screen reader should say them. A
// raised "2" or "3" beside a unit makes it square or cubic: "cm" with a raised
// "2" is one word, "Quadratzentimeter", and the digit is not read on its own.
struct Spoken {
    const char* written;
    const char* said;
};
constexpr Spoken kUnits[] = {{"cm", "Zentimeter"}, {"o", "Grad"}};
constexpr Spoken kPowers[] = {{"2", "Quadrat"}, {"3", "Kubik"}};

template <std::size_t N> const char* said(const Spoken (&table)[N], const char* caption)
{
    for (const Spoken& s : table) {
        if (caption && std::strcmp(caption, s.written) == 0)
            return s.said;
    }
    return nullptr;
}

bool sameFollows(const Control& a, const Control& b)
{
    return a.role == Role::Follower && b.role == Role::Follower && a.follows && b.follows &&
           std::strcmp(a.follows, b.follows) == 0;
}

// The raised power that belongs to a unit label: both follow the same result.
const Control* powerOf(const std::vector<Control>& controls, const Control& unit)
{
    for (const Control& c : controls) {
        if (c.kind == Kind::Label && sameFollows(c, unit) && said(kPowers, c.caption))
            return &c;
    }
    return nullptr;
}

bool isPowerOfUnit(const std::vector<Control>& controls, const Control& self)
{
    if (self.kind != Kind::Label || !said(kPowers, self.caption))
        return false;
    return std::any_of(controls.begin(), controls.end(), [&](const Control& c) {
        return c.kind == Kind::Label && sameFollows(c, self) && said(kUnits, c.caption);
    });
}

// "Kubikzentimeter" for "cm" with a raised "3"; empty for a label that is no unit.
QString spokenUnit(const std::vector<Control>& controls, const Control& unit)
{
    const char* base = unit.kind == Kind::Label ? said(kUnits, unit.caption) : nullptr;
    if (!base)
        return {};
    if (const Control* power = powerOf(controls, unit))
        return QString::fromUtf8(said(kPowers, power->caption)) + QString::fromUtf8(base).toLower();
    return QString::fromUtf8(base);
}

// Marks a label that screen readers skip; set before the label has any text,
// so that no reader has asked for it yet.
const char* const kUnspoken = "rt_unspoken";

class Unspoken : public QAccessibleWidget {
public:
    explicit Unspoken(QWidget* w)
        : QAccessibleWidget(w, QAccessible::StaticText)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true; // AT-SPI: neither showing nor visible, so it is never read
        return s;
    }

    QString text(QAccessible::Text) const override { return {}; }
};

QAccessibleInterface* unspokenLabels(const QString& className, QObject* object)
{
    if (className == QLatin1String("QLabel") && object->property(kUnspoken).toBool())
        return new Unspoken(static_cast<QWidget*>(object));
    return nullptr;
}

// A result is one number: a double-click selects all of it, decimal separator,
// sign and exponent included, where a label would stop at the separator.
class ResultLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        setSelection(0, int(text().size()));
        event->accept();
    }
};

// What a screen reader says for a result that shows nothing yet, as it does
// for an empty field.
void nameResult(QLabel* result)
{
    result->setAccessibleName(result->text().isEmpty() ? QStringLiteral("leer") : QString());
}

} // namespace

QString Form::key(const QString& name, int index)
{
    return index < 0 ? name : QStringLiteral("%1_%2").arg(name).arg(index);
}

Form::Form(const WindowDescription& description, QWidget* parent)
    : QWidget(parent)
    , description_(description)
{
    [[maybe_unused]] static const bool readersSkipPowers =
        (QAccessible::installFactory(unspokenLabels), true);
    setObjectName(text(description_.name));
    setWindowTitle(text(description_.caption));
    setFont(rt::font(kDefaultFont));
    setAutoFillBackground(true);
    setPalette(rt::palette(description_.background));
    build();
    relate();
    fit();
    resize(needed_);
}

void Form::build()
{
    // Containers first, so that their members can be placed inside them.
    for (const Control& c : description_.controls) {
        if (c.kind != Kind::Frame)
            continue;
        auto* box = new QGroupBox(text(c.caption), this);
        box->setObjectName(key(text(c.name), c.index));
        box->setGeometry(designRect(c));
        if (c.font.face)
            box->setFont(rt::font(c.font));
        controls_.insert(box->objectName(), box);
    }
    for (const Control& c : description_.controls) {
        if (c.kind == Kind::Frame || c.kind == Kind::Line)
            continue;
        QWidget* parent = c.container ? controls_.value(text(c.container), this) : this;
        QWidget* w = nullptr;
        switch (c.kind) {
        case Kind::Label: {
            auto* l = c.role == Role::Result ? new ResultLabel(parent) : new QLabel(parent);
            if (isPowerOfUnit(description_.controls, c))
                l->setProperty(kUnspoken, true);
            // Never read as markup: a label may come to show what the user typed.
            l->setTextFormat(Qt::PlainText);
            l->setText(text(c.caption));
            l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            if (c.role == Role::Result) {
                // Results can be selected and copied; a click gives the focus,
                // the tab order stays that of the inputs and buttons.
                l->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                           Qt::TextSelectableByKeyboard);
                l->setFocusPolicy(Qt::ClickFocus);
            }
            w = l;
            break;
        }
        case Kind::TextBox: {
            auto* e = new QLineEdit(text(c.caption), parent);
            e->setTextMargins(0, 0, 0, 0);
            w = e;
            break;
        }
        case Kind::Button: {
            auto* b = new QPushButton(text(c.caption), parent);
            b->setAutoDefault(false);
            w = b;
            break;
        }
        case Kind::Option:
            w = new QRadioButton(text(c.caption), parent);
            break;
        case Kind::Picture: {
            auto* l = new QLabel(parent);
            l->setFrameShape(QFrame::Panel);
            l->setFrameShadow(QFrame::Sunken);
            l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            l->setFocusPolicy(Qt::StrongFocus);
            w = l;
            break;
        }
        case Kind::Frame:
        case Kind::Line:
            break;
        }
        w->setObjectName(key(text(c.name), c.index));
        w->setGeometry(designRect(c));
        if (c.font.face)
            w->setFont(rt::font(c.font));
        // A first letter that leans out to the left, such as an italic's foot,
        // would be cut off by the label's edge: leave it that much room.
        if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().isEmpty()) {
            const int lean = -QFontMetrics(l->font()).leftBearing(l->text().front());
            if (lean > 0)
                l->setIndent(lean);
        }
        controls_.insert(w->objectName(), w);
    }

    // A static caption wraps when its box holds two lines, as long titles do.
    for (const Control& c : description_.controls) {
        if (c.kind != Kind::Label || c.role != Role::Static)
            continue;
        auto* l = label(text(c.name), c.index);
        l->setWordWrap(px(c.height) >= 2 * QFontMetrics(l->font()).lineSpacing());
    }

    std::vector<const Control*> order;
    for (const Control& c : description_.controls) {
        if (takesFocus(c.kind) && c.tabIndex >= 0)
            order.push_back(&c);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(control(text(order[i - 1]->name), order[i - 1]->index),
                    control(text(order[i]->name), order[i]->index));
    }
    if (!order.empty())
        control(text(order.front()->name), order.front()->index)->setFocus();
}

// Screen readers know a text box by its buddy caption and a result by its row
// caption: the static label that stands at the same height to its left. A unit
// is said as a word; a text box is described by the unit on its right.
void Form::relate()
{
    for (const Control& c : description_.controls) {
        if (c.kind == Kind::TextBox) {
            QLineEdit* box = textBox(text(c.name));
            if (const Control* caption = rowLabel(c))
                label(text(caption->name), caption->index)->setBuddy(box);
            if (const Control* unit = unitBeside(c))
                box->setAccessibleDescription(spokenUnit(description_.controls, *unit));
        } else if (c.role == Role::Result) {
            QLabel* result = label(text(c.name));
            result->setAccessibleDescription(rowCaption(text(c.name)));
            nameResult(result);
        } else if (const QString unit = spokenUnit(description_.controls, c); !unit.isEmpty()) {
            label(text(c.name), c.index)->setAccessibleName(unit);
        }
    }
}

const Control* Form::find(const QString& name) const
{
    for (const Control& c : description_.controls) {
        if (text(c.name) == name)
            return &c;
    }
    return nullptr;
}

const Control* Form::rowLabel(const Control& self) const
{
    const Control* best = nullptr;
    for (const Control& c : description_.controls) {
        if (c.kind != Kind::Label || c.role != Role::Static || c.top != self.top ||
            c.left >= self.left || c.container != self.container)
            continue;
        if (!best || c.left > best->left)
            best = &c;
    }
    return best;
}

const Control* Form::unitBeside(const Control& self) const
{
    const Control* best = nullptr;
    for (const Control& c : description_.controls) {
        if (c.kind != Kind::Label || !said(kUnits, c.caption) || c.top != self.top ||
            c.left <= self.left || c.container != self.container)
            continue;
        if (!best || c.left < best->left)
            best = &c;
    }
    return best;
}

QString Form::rowCaption(const QString& name) const
{
    const Control* self = find(name);
    const Control* caption = self ? rowLabel(*self) : nullptr;
    if (!caption)
        return {};
    QString t = text(caption->caption).trimmed();
    if (t.endsWith(u':'))
        t.chop(1);
    return t;
}

QWidget* Form::control(const QString& name, int index) const
{
    return controls_.value(key(name, index));
}

QLabel* Form::label(const QString& name, int index) const
{
    return qobject_cast<QLabel*>(control(name, index));
}

QLineEdit* Form::textBox(const QString& name) const
{
    return qobject_cast<QLineEdit*>(control(name));
}

QAbstractButton* Form::button(const QString& name) const
{
    return qobject_cast<QAbstractButton*>(control(name));
}

QWidget* Form::firstInTabOrder() const
{
    const Control* first = nullptr;
    for (const Control& c : description_.controls) {
        if (takesFocus(c.kind) && c.tabIndex >= 0 && (!first || c.tabIndex < first->tabIndex))
            first = &c;
    }
    return first ? control(text(first->name), first->index) : nullptr;
}

void Form::setCaption(const QString& name, const QString& value)
{
    if (auto* l = label(name)) {
        l->setText(value);
        if (const Control* self = find(name); self && self->role == Role::Result)
            nameResult(l);
        fit();
    }
}

// Lays the controls out again from their stored places: a label or button whose
// text needs more room than stored grows to the right, the unit labels of a
// result follow its right edge (all units of a column of results keep one line,
// set by its widest result), and the window grows where it must.
void Form::fit()
{
    QHash<int, int> columnGrowth; // by the stored left edge of the results
    for (const Control& c : description_.controls) {
        if (c.kind == Kind::Line)
            continue;
        QWidget* w = control(text(c.name), c.index);
        QRect r = designRect(c);
        if (c.kind == Kind::Label || c.kind == Kind::Button || c.kind == Kind::Option) {
            auto* l = qobject_cast<QLabel*>(w);
            if (!(l && l->wordWrap()))
                r.setWidth(std::max(r.width(), w->sizeHint().width()));
            if (c.role == Role::Result)
                columnGrowth[c.left] =
                    std::max(columnGrowth.value(c.left), r.width() - px(c.width));
        }
        w->setGeometry(r);
    }
    QRect used;
    for (const Control& c : description_.controls) {
        if (c.kind == Kind::Line)
            continue;
        QWidget* w = control(text(c.name), c.index);
        if (const Control* result = c.role == Role::Follower ? find(text(c.follows)) : nullptr)
            w->move(w->x() + columnGrowth.value(result->left), w->y());
        if (w->parentWidget() == this)
            used |= w->geometry();
    }
    const QSize design(px(description_.width), px(description_.height));
    const QSize needed =
        design.expandedTo(QSize(used.right() + 1 + kMargin, used.bottom() + 1 + kMargin));
    if (needed == needed_)
        return;
    needed_ = needed;
    updateGeometry();
    const QSize missing = (needed_ - size()).expandedTo(QSize(0, 0));
    if (missing.width() == 0 && missing.height() == 0)
        return;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        sub->resize(sub->size() + missing);
        // Grown, it stays inside the workspace where it can, moving left and up
        // rather than past the edge.
        if (const QMdiArea* area = sub->mdiArea()) {
            const QSize room = area->viewport()->size();
            const QPoint inside(std::min(sub->x(), std::max(0, room.width() - sub->width())),
                                std::min(sub->y(), std::max(0, room.height() - sub->height())));
            sub->move(inside);
        }
    } else if (isWindow()) {
        resize(size() + missing);
    }
}

void Form::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    for (const Control& c : description_.controls) {
        if (c.kind == Kind::Line)
            painter.drawLine(QPointF(c.left / 15.0, c.top / 15.0),
                             QPointF(c.width / 15.0, c.height / 15.0));
    }
}

QSize Form::sizeHint() const
{
    return needed_;
}

} // namespace rt
