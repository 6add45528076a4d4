#include "rechenwegwindow.h"

#include "names.h"
#include "printbar.h"
#include "runtime/events.h"
#include "runtime/frame.h"
#include "runtime/look.h"
#include "runtime/windows.h"
#include "solids/calculatorwindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>

namespace worked {

namespace {

constexpr rt::FontSpec kText{"MS Sans Serif", 9.75};
const QString kNothing = QStringLiteral("Kein Rechner geöffnet.");

solids::CalculatorWindow* calculatorIn(QMdiSubWindow* sub)
{
    return sub ? dynamic_cast<solids::CalculatorWindow*>(sub->widget()) : nullptr;
}

} // namespace

// The sketch of the followed solid, the letter of the box with the focus
// standing out.
class SketchView : public QWidget {
public:
    explicit SketchView(QWidget* parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("Skizze"));
        setMinimumSize(300, 210);
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, Qt::white);
        setPalette(p);
    }

    const QString& focus() const { return focus_; }
    const solids::Sketch& sketch() const { return sketch_; }

    void show(const solids::Solid* solid, const solids::Variant* variant, const QString& focus)
    {
        sketch_ = solid && variant ? solid->sketch(*variant) : solids::Sketch();
        focus_ = focus;
        const QString description = sketch_.description();
        setAccessibleName(description.isEmpty() ? QStringLiteral("Skizze")
                                                : QStringLiteral("Skizze: ") + description);
        setAccessibleDescription(accessibleName());
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(Qt::black);
        sketch_.paint(painter, QRectF(rect()), focus_);
    }

private:
    solids::Sketch sketch_;
    QString focus_;
};

RechenwegWindow::RechenwegWindow()
    : sketch_(new SketchView(this))
    , text_(new QTextEdit(this))
    , print_(new PrintBar(this, [this] { return document(); }))
{
    setWindowTitle(QStringLiteral("Rechenweg"));
    setFont(rt::font(rt::kDefaultFont));
    setAutoFillBackground(true);
    setPalette(rt::palette(rt::SystemColor::Desktop));

    text_->setObjectName(QStringLiteral("txtrechenweg"));
    text_->setReadOnly(true);
    text_->setAcceptRichText(false);
    text_->setTabChangesFocus(true); // a keyboard user gets on to the buttons
    text_->setFont(rt::font(kText));
    text_->setAccessibleName(QStringLiteral("Rechenweg"));

    auto* copy = new QPushButton(QStringLiteral("Kopieren"), this);
    copy->setObjectName(QStringLiteral("cmdkopieren"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdok"));
    for (QPushButton* b : {copy, ok}) {
        b->setFont(rt::font({"MS Sans Serif", 9.75}));
        b->setAutoDefault(true); // answers Enter when it has the focus
    }
    print_->setFont(rt::font({"MS Sans Serif", 9.75}));
    print_->placeInTabOrder(copy, ok);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy);
    buttons->addWidget(print_);
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sketch_, 2);
    layout->addWidget(text_, 3);
    layout->addLayout(buttons);
    // Tall enough for a sketch and a solution side by side with the frame,
    // never taller than the screen.
    QSize size(470, 640);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    resize(size);
    text_->setFocus();

    rt::onClick(copy, this, &RechenwegWindow::cmdkopieren_Click);
    rt::onClick(ok, this, &RechenwegWindow::cmdok_Click);
    // Ctrl+C anywhere in the window; in the text, what is selected goes first.
    auto* copying = new QAction(this);
    copying->setShortcut(QKeySequence::Copy);
    copying->setShortcutContext(Qt::WindowShortcut);
    addAction(copying);
    rt::onTriggered(copying, this, &RechenwegWindow::copySelectionOrAll);
    // The letter of the box the user is in stands out in the sketch.
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (followed_ && now && followed_->isAncestorOf(now))
            refresh();
    });
    attachToFrame();
}

// Closing moves the focus, and the followed window may go at the same time:
// no signal may reach the window once it is being taken apart.
RechenwegWindow::~RechenwegWindow()
{
    disconnect(focusWatch_);
    for (const QMetaObject::Connection& c : watching_)
        disconnect(c);
}

void RechenwegWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    attachToFrame();
}

// Follows whichever calculator window of the frame is active.
void RechenwegWindow::attachToFrame()
{
    auto* frame =
        dynamic_cast<rt::MdiFrame*>(rt::windows::loaded(QString::fromUtf8(names::kFrame)));
    QMdiArea* area = frame ? frame->area() : nullptr;
    if (area && area != area_) {
        area_ = area;
        connect(area, &QMdiArea::subWindowActivated, this, &RechenwegWindow::activated);
    }
    activated(area ? area->currentSubWindow() : nullptr);
}

// Another calculator window became active, or the one followed went away.
void RechenwegWindow::activated(QMdiSubWindow* sub)
{
    if (solids::CalculatorWindow* calculator = calculatorIn(sub)) {
        follow(calculator);
        return;
    }
    if (followed_ && rt::windows::loaded(followed_->objectName()) == followed_)
        return; // the start window came to the front; the calculator stays open
    solids::CalculatorWindow* latest = nullptr;
    if (area_) {
        for (QMdiSubWindow* s : area_->subWindowList(QMdiArea::ActivationHistoryOrder)) {
            if (solids::CalculatorWindow* c = calculatorIn(s);
                c && rt::windows::loaded(c->objectName()) == c)
                latest = c;
        }
    }
    follow(latest);
}

void RechenwegWindow::follow(solids::CalculatorWindow* window)
{
    if (window != followed_) {
        for (const QMetaObject::Connection& c : watching_)
            disconnect(c);
        watching_.clear();
        followed_ = window;
        if (window) {
            window->follow(this, [this, w = QPointer(window)] {
                if (w == followed_)
                    refresh();
            });
            for (auto* box : window->findChildren<QLineEdit*>())
                watching_ << connect(box, &QLineEdit::textChanged, this, &RechenwegWindow::refresh);
            for (auto* option : window->findChildren<QRadioButton*>())
                watching_ << connect(option, &QRadioButton::toggled, this,
                                     &RechenwegWindow::refresh);
            watching_ << connect(window, &QObject::destroyed, this, [this] {
                followed_.clear();
                // Looked at once the window is gone: half taken apart, neither it
                // nor its frame window has anything to say.
                QMetaObject::invokeMethod(
                    this, [this] { activated(area_ ? area_->currentSubWindow() : nullptr); },
                    Qt::QueuedConnection);
            });
        }
    }
    refresh();
}

void RechenwegWindow::refresh()
{
    print_->setAvailable(followed_);
    if (!followed_) {
        sketch_->show(nullptr, nullptr, {});
        text_->setPlainText(kNothing);
        working_ = {};
        return;
    }
    const solids::Solid& solid = followed_->solid();
    const solids::Calculation& last = followed_->lastCalculation();
    Reading reading;
    if (last.succeeded) {
        reading = {last.variant, last.texts, true};
    } else {
        reading.variant = &followed_->currentVariant();
        for (const auto& d : solid.calculator.dimensions)
            reading.texts.insert(QString::fromUtf8(d.box),
                                 followed_->text(QString::fromUtf8(d.box)));
    }
    QWidget* focus = followed_->focusWidget();
    sketch_->show(&solid, reading.variant, focus ? focus->objectName() : QString());
    working_ = working(solid, reading, QLocale());
    const QString text = working_.text(0);
    if (text != text_->toPlainText())
        text_->setPlainText(text);
}

QString RechenwegWindow::highlighted() const
{
    return sketch_->focus();
}

Document RechenwegWindow::document() const
{
    return worked::document(working_, sketch_->sketch(), highlighted());
}

QString RechenwegWindow::solutionText() const
{
    return text_->toPlainText();
}

void RechenwegWindow::cmdkopieren_Click()
{
    QGuiApplication::clipboard()->setText(working_.solutions.empty() ? kNothing : working_.text(0));
}

void RechenwegWindow::cmdok_Click()
{
    rt::windows::hide(QString::fromUtf8(names::kWorkedSolution));
}

// Ctrl+C copies what is selected in the text, and the whole solution when
// nothing is.
void RechenwegWindow::copySelectionOrAll()
{
    if (text_->textCursor().hasSelection())
        text_->copy();
    else
        cmdkopieren_Click();
}

} // namespace worked
