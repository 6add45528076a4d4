#include "form.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

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

} // namespace

QString Form::key(const QString& name, int index)
{
    return index < 0 ? name : QStringLiteral("%1_%2").arg(name).arg(index);
}

Form::Form(const WindowDescription& description, QWidget* parent)
    : QWidget(parent)
    , description_(description)
{
    setObjectName(text(description_.name));
    setWindowTitle(text(description_.caption));
    setFont(rt::font(kDefaultFont));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, color(description_.background));
    setPalette(p);
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
            auto* l = new QLabel(text(c.caption), parent);
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
// caption: the static label that stands at the same height to its left.
void Form::relate()
{
    for (const Control& c : description_.controls) {
        if (c.kind == Kind::TextBox) {
            if (const Control* caption = rowLabel(c))
                label(text(caption->name), caption->index)->setBuddy(textBox(text(c.name)));
        } else if (c.role == Role::Result) {
            label(text(c.name))->setAccessibleDescription(rowCaption(text(c.name)));
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
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->resize(sub->size() + missing);
    else if (isWindow())
        resize(size() + missing);
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
