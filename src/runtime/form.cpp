#include "form.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <cstring>

namespace rt {

namespace rows {

namespace {

Control row(Kind kind, const char* name, int index, const char* text, Twips at, FontSpec font,
            int tab, Role role = Role::Static)
{
    Control c{};
    c.kind = kind;
    c.name = name;
    c.index = index;
    c.caption = text;
    c.at = at;
    c.font = font;
    c.tabIndex = tab;
    c.role = role;
    return c;
}

} // namespace

Control title(const char* name, int index, const char* text, Twips at, FontSpec font, int tab)
{
    return row(Kind::Label, name, index, text, at, font, tab);
}

Control caption(const char* name, int index, const char* text, Twips at, FontSpec font, int tab)
{
    return row(Kind::Label, name, index, text, at, font, tab);
}

Control input(const char* name, Twips at, int tab, Ref caption, Ref unit)
{
    Control c = row(Kind::TextBox, name, -1, "", at, {}, tab, Role::Input);
    c.named = caption;
    c.unit = unit;
    return c;
}

Control textBox(const char* name, const char* text, Twips at, int tab)
{
    return row(Kind::TextBox, name, -1, text, at, {}, tab);
}

Control unit(const char* name, const char* text, Twips at, FontSpec font, int tab, Spoken says)
{
    Control c = row(Kind::Label, name, -1, text, at, font, tab);
    c.spoken = says;
    return c;
}

Control power(const char* name, const char* text, Twips at, int tab, Spoken says)
{
    Control c = row(Kind::Label, name, -1, text, at, {}, tab);
    c.spoken = says;
    return c;
}

Control result(const char* name, Twips at, int tab, Ref caption, Ref unit, Ref power)
{
    Control c = row(Kind::Label, name, -1, "", at, {}, tab, Role::Result);
    c.named = caption;
    c.unit = unit;
    c.power = power;
    return c;
}

Control button(const char* name, const char* text, Twips at, FontSpec font, int tab)
{
    return row(Kind::Button, name, -1, text, at, font, tab);
}

Control option(const char* name, const char* text, Twips at, FontSpec font, int tab)
{
    return row(Kind::Option, name, -1, text, at, font, tab);
}

Control label(const char* name, const char* text, Twips at, FontSpec font, int tab,
              const char* container)
{
    Control c = row(Kind::Label, name, -1, text, at, font, tab);
    c.container = container;
    return c;
}

Control frame(const char* name, const char* text, Twips at, int tab)
{
    return row(Kind::Frame, name, -1, text, at, {}, tab);
}

Control picture(const char* name, Twips at, int tab)
{
    return row(Kind::Picture, name, -1, "", at, {}, tab);
}

Control line(const char* name, QPoint from, QPoint to)
{
    return row(Kind::Line, name, -1, "", {from.x(), from.y(), to.x(), to.y()}, {}, -1);
}

} // namespace rows

namespace {

// Room kept to the right of and below the outermost control when a window has
// to grow for a long result.
constexpr int kMargin = 8;

QString text(const char* s)
{
    return s ? QString::fromUtf8(s) : QString();
}

QString key(const QString& name, int index)
{
    return index < 0 ? name : QStringLiteral("%1_%2").arg(name).arg(index);
}

QRect designRect(const Control& c)
{
    return {px(c.at.left), px(c.at.top), px(c.at.width), px(c.at.height)};
}

bool takesFocus(Kind k)
{
    return k == Kind::TextBox || k == Kind::Button || k == Kind::Option || k == Kind::Picture;
}

// A unit as a screen reader should say it: "cm" with a raised "2" is one word,
// "Quadratzentimeter", and the digit is not read on its own.
QString said(Spoken unit, Spoken power = Spoken::Nothing)
{
    QString word;
    switch (unit) {
    case Spoken::Centimetre:
        word = QStringLiteral("Zentimeter");
        break;
    case Spoken::Degree:
        word = QStringLiteral("Grad");
        break;
    default:
        return {};
    }
    if (power == Spoken::Square)
        return QStringLiteral("Quadrat") + word.toLower();
    if (power == Spoken::Cube)
        return QStringLiteral("Kubik") + word.toLower();
    return word;
}

bool isPower(const Control& c)
{
    return c.spoken == Spoken::Square || c.spoken == Spoken::Cube;
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

// A box for a number: the keypad's decimal key types the locale's decimal
// separator, whatever the keyboard layout sends for it.
class NumberBox : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const bool decimalKey = (event->modifiers() & Qt::KeypadModifier) &&
                                (event->key() == Qt::Key_Period || event->key() == Qt::Key_Comma);
        if (decimalKey && !isReadOnly()) {
            insert(locale().decimalPoint());
            return;
        }
        QLineEdit::keyPressEvent(event);
    }
};

// What a screen reader says for a result that shows nothing yet, as it does
// for an empty field.
void nameResult(QLabel* result)
{
    result->setAccessibleName(result->text().isEmpty() ? QStringLiteral("leer") : QString());
}

QWidget* make(const Control& c, QWidget* parent)
{
    switch (c.kind) {
    case Kind::Label: {
        auto* l = c.role == Role::Result ? new ResultLabel(parent) : new QLabel(parent);
        if (isPower(c))
            l->setProperty(kUnspoken, true);
        // Never read as markup: a label may come to show what the user typed.
        l->setTextFormat(Qt::PlainText);
        l->setText(text(c.caption));
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (c.role == Role::Result) {
            // Results can be selected and copied; a click gives the focus,
            // the tab order stays that of the inputs and buttons.
            l->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
            l->setFocusPolicy(Qt::ClickFocus);
        }
        return l;
    }
    case Kind::TextBox: {
        auto* e = new NumberBox(text(c.caption), parent);
        e->setTextMargins(0, 0, 0, 0);
        return e;
    }
    case Kind::Button: {
        // A focused button answers Enter as well as Space.
        auto* b = new QPushButton(text(c.caption), parent);
        b->setAutoDefault(true);
        return b;
    }
    case Kind::Option: {
        auto* o = new QRadioButton(text(c.caption), parent);
        o->setChecked(c.checked);
        return o;
    }
    case Kind::Picture: {
        auto* l = new QLabel(parent);
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setFocusPolicy(Qt::StrongFocus);
        return l;
    }
    case Kind::Frame:
        return new QGroupBox(text(c.caption), parent);
    case Kind::Line:
        break;
    }
    return nullptr;
}

} // namespace

Form::Form(const WindowDescription& description, QWidget* parent)
    : QWidget(parent)
    , description_(description)
{
    [[maybe_unused]] static const bool readersSkipPowers =
        (QAccessible::installFactory(unspokenLabels), true);
    setWindowTitle(text(description_.caption));
    setFont(rt::font(kDefaultFont));
    setAutoFillBackground(true);
    setPalette(rt::palette(description_.background));
    buildFrames();
    buildControls();
    orderTabs();
    relate();
    fit();
    resize(needed_);
}

// Containers first, so that their members can be placed inside them.
void Form::buildFrames()
{
    for (const Control& c : description_.controls) {
        if (c.kind == Kind::Frame) {
            QWidget* box = make(c, this);
            box->setObjectName(key(text(c.name), c.index));
            controls_.insert(box->objectName(), box);
        }
    }
}

void Form::buildControls()
{
    for (const Control& c : description_.controls) {
        if (c.kind == Kind::Frame || c.kind == Kind::Line)
            continue;
        QWidget* w = make(c, c.container ? controls_.value(text(c.container), this) : this);
        w->setObjectName(key(text(c.name), c.index));
        controls_.insert(w->objectName(), w);
    }
    for (const Control& c : description_.controls) {
        QWidget* w = widget(c);
        if (!w)
            continue;
        w->setGeometry(designRect(c));
        if (c.font.face)
            w->setFont(rt::font(c.font));
        auto* l = qobject_cast<QLabel*>(w);
        if (!l || l->text().isEmpty())
            continue;
        // A first letter that leans out to the left, an italic's foot, would be
        // cut off by the label's edge: leave it that much room.
        if (l->font().italic()) {
            if (const int lean = -QFontMetrics(l->font()).leftBearing(l->text().front()); lean > 0)
                l->setIndent(lean);
        }
        // A static caption wraps when its box holds two lines, as long titles do.
        if (c.role == Role::Static)
            l->setWordWrap(px(c.at.height) >= 2 * QFontMetrics(l->font()).lineSpacing());
    }
}

void Form::orderTabs()
{
    std::vector<const Control*> order;
    for (const Control& c : description_.controls) {
        if (takesFocus(c.kind) && c.tabIndex >= 0)
            order.push_back(&c);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(widget(*order[i - 1]), widget(*order[i]));
    if (!order.empty())
        widget(*order.front())->setFocus();
}

// Screen readers know a text box by its caption (its buddy) and a result by
// its row's caption; a unit is said as one word with its power, and a text box
// is described by its unit.
void Form::relate()
{
    for (const Control& c : description_.controls) {
        const Control* unit = c.unit ? find(text(c.unit.name), c.unit.index) : nullptr;
        const Control* power = c.power ? find(text(c.power.name), c.power.index) : nullptr;
        if (c.role == Role::Input) {
            auto* box = static_cast<QLineEdit*>(widget(c));
            if (auto* caption = qobject_cast<QLabel*>(widget(c.named)))
                caption->setBuddy(box);
            connect(box, &QLineEdit::textChanged, this, [this] { fit(); });
            if (unit)
                box->setAccessibleDescription(said(unit->spoken));
        } else if (c.role == Role::Result) {
            auto* result = static_cast<QLabel*>(widget(c));
            result->setAccessibleDescription(rowCaption(text(c.name)));
            nameResult(result);
            if (unit)
                widget(*unit)->setAccessibleName(
                    said(unit->spoken, power ? power->spoken : Spoken::Nothing));
        } else if (c.kind == Kind::Label && !isPower(c) && !said(c.spoken).isEmpty() &&
                   widget(c)->accessibleName().isEmpty()) {
            widget(c)->setAccessibleName(said(c.spoken));
        }
    }
}

const Control* Form::find(const QString& name, int index) const
{
    for (const Control& c : description_.controls) {
        if (text(c.name) == name && c.index == index)
            return &c;
    }
    return nullptr;
}

QWidget* Form::widget(const Control& c) const
{
    return controls_.value(key(text(c.name), c.index));
}

QWidget* Form::widget(Ref r) const
{
    return r ? controls_.value(key(text(r.name), r.index)) : nullptr;
}

QString WindowDescription::rowCaption(const QString& name) const
{
    const auto find = [this](const QString& n, int index) -> const Control* {
        for (const Control& c : controls) {
            if (text(c.name) == n && c.index == index)
                return &c;
        }
        return nullptr;
    };
    const Control* self = find(name, -1);
    const Control* named =
        self && self->named ? find(text(self->named.name), self->named.index) : nullptr;
    if (!named)
        return {};
    QString t = text(named->caption).trimmed();
    if (t.endsWith(u':'))
        t.chop(1);
    return t;
}

QString Form::rowCaption(const QString& name) const
{
    return description_.rowCaption(name);
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
    return first ? widget(*first) : nullptr;
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
// text needs more room than stored grows to the right, the unit and power of a
// result follow its right edge (all units of a column of results keep one line,
// set by its widest result), and the window grows where it must.
void Form::fit()
{
    QHash<int, int> columnGrowth; // by the stored left edge of the results
    for (const Control& c : description_.controls) {
        QWidget* w = widget(c);
        if (!w)
            continue;
        QRect r = designRect(c);
        if (c.kind == Kind::Label || c.kind == Kind::Button || c.kind == Kind::Option) {
            auto* l = qobject_cast<QLabel*>(w);
            if (!(l && l->wordWrap()))
                r.setWidth(std::max(r.width(), w->sizeHint().width()));
            if (c.role == Role::Result)
                columnGrowth[c.at.left] =
                    std::max(columnGrowth.value(c.at.left), r.width() - px(c.at.width));
        }
        w->setGeometry(r);
    }
    for (const Control& c : description_.controls) {
        if (c.role == Role::Input) {
            widen(c);
            continue;
        }
        if (c.role != Role::Result)
            continue;
        for (Ref follower : {c.unit, c.power}) {
            if (QWidget* w = widget(follower))
                w->move(w->x() + columnGrowth.value(c.at.left), w->y());
        }
    }
    QRect used;
    for (const Control& c : description_.controls) {
        if (QWidget* w = widget(c); w && w->parentWidget() == this)
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

// A dimension box keeps its stored size as the least and widens as its text
// grows, its unit following, as far as the window has room on its right;
// beyond that the text scrolls.
void Form::widen(const Control& c)
{
    auto* box = static_cast<QLineEdit*>(widget(c));
    const QRect stored = designRect(c);
    const QFontMetrics fm = box->fontMetrics();
    const int chrome = box->sizeHint().width() - 17 * fm.horizontalAdvance(QLatin1Char('x'));
    const int wanted = fm.horizontalAdvance(box->text()) + chrome + 2;
    QWidget* unit = widget(c.unit);
    const int gap = unit ? unit->x() - (stored.right() + 1) : 0;
    // Free room: up to the window's edge, or to the nearest other control on
    // the same line.
    int limit = px(description_.width) - kMargin;
    for (const Control& other : description_.controls) {
        const QRect r = designRect(other);
        QWidget* w = widget(other);
        if (!w || w == box || w == unit || other.container != c.container ||
            r.left() <= stored.right() || r.bottom() < stored.top() || r.top() > stored.bottom())
            continue;
        limit = std::min(limit, r.left() - 1);
    }
    const int most = limit - (unit ? gap + unit->width() : 0) - stored.left();
    const int width = std::max(stored.width(), std::min(wanted, most));
    box->resize(width, stored.height());
    if (unit)
        unit->move(box->geometry().right() + 1 + gap, unit->y());
}

void Form::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    for (const Control& c : description_.controls) {
        if (c.kind == Kind::Line)
            painter.drawLine(QPointF(c.at.left / 15.0, c.at.top / 15.0),
                             QPointF(c.at.width / 15.0, c.at.height / 15.0));
    }
}

QSize Form::sizeHint() const
{
    return needed_;
}

} // namespace rt
