#include "names.h"
#include "runtime/form.h"
#include "runtime/windows.h"
#include "solids/catalogue.h"
#include "support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextEdit>

// Every window at the device pixel ratio the test runs with (CTest runs it once
// more with QT_SCALE_FACTOR=2): no caption is cut off and nothing lies outside
// its window, before and after a long result.

namespace w = rt::windows;

namespace {

// A pixel at least half covered by a glyph; fainter edge smoothing, such as a
// serif's overhang of one pixel, is no text that could be cut off.
constexpr int kVisible = 128;

// Where a text's painted pixels fall, relative to the room it is drawn in, in
// device pixels: drawn at the screen's pixel ratio without clipping, so that
// what a widget would cut off shows up outside the room.
QRect inkIn(const QFont& font, const QString& text, int flags, QSize room, qreal dpr)
{
    const int margin = 64;
    QImage canvas((room + QSize(2 * margin, 2 * margin)) * dpr,
                  QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(dpr);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(QPoint(margin, margin), room), flags | Qt::TextDontClip, text);
    painter.end();
    QRect ink;
    for (int y = 0; y < canvas.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x) {
            if (qAlpha(line[x]) >= kVisible)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink.translated(-QPoint(margin, margin) * dpr);
}

// The room a control gives its caption, how it aligns it there, and how far
// the text may reach: a label or an option paints up to its own edges, a
// button's text must stay off its bevel.
struct Room {
    QRect rect;
    int flags = 0;
    QRect allowed;
};

Room roomFor(QWidget* c)
{
    if (auto* l = qobject_cast<QLabel*>(c)) {
        const int wrap = l->wordWrap() ? int(Qt::TextWordWrap) : 0;
        // As the label lays its text out: inside its margin, after its indent.
        QRect text = l->contentsRect().marginsRemoved(
            QMargins(l->margin(), l->margin(), l->margin(), l->margin()));
        if (l->indent() > 0 && (l->alignment() & Qt::AlignLeft))
            text.setLeft(text.left() + l->indent());
        return {text, int(l->alignment()) | wrap, l->rect()};
    }
    auto* b = static_cast<QAbstractButton*>(c);
    QStyleOptionButton option;
    option.initFrom(b);
    option.text = b->text();
    option.icon = b->icon();
    option.iconSize = b->iconSize();
    if (qobject_cast<QRadioButton*>(b))
        return {b->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, b),
                Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, b->rect()};
    const QRect contents = b->style()->subElementRect(QStyle::SE_PushButtonContents, &option, b);
    return {contents, Qt::AlignCenter | Qt::TextShowMnemonic, contents};
}

QString captionOf(QWidget* c)
{
    if (auto* l = qobject_cast<QLabel*>(c))
        return l->pixmap().isNull() && !l->movie() ? l->text() : QString();
    if (auto* b = qobject_cast<QAbstractButton*>(c))
        return b->text();
    return {};
}

QWidget* outer(QWidget* window)
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
        return sub;
    return window;
}

// Every window, and for those that compute, the option to choose first (the
// last variant's) and the button.
struct Shown {
    QString window;
    QString option;
    QString button;
};

QList<Shown> allWindows()
{
    QList<Shown> all = {{names::kFrame, {}, {}}, {names::kStart, {}, {}}};
    for (const solids::Solid* s : solids::catalogue()) {
        const char* option = s->calculator.variants.back().option;
        all << Shown{QString::fromUtf8(s->window), QString::fromUtf8(option ? option : ""),
                     QStringLiteral("cmdberechnen")};
    }
    return all << Shown{names::kRoot, {}, QStringLiteral("cmdWurzelZiehen")}
               << Shown{names::kInfo, {}, {}} << Shown{names::kWorkedSolution, {}, {}}
               << Shown{names::kInverse, {}, {}} << Shown{names::kComposite, {}, {}};
}

} // namespace

class TestScaling : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { w::unloadAll(); }

    void nothingClipped_data();
    void nothingClipped();
    void typedNumbersStayVisible_data();
    void typedNumbersStayVisible();
    void inverseWithItsLongestListFits();
};

// A run meant to be scaled really is.
void TestScaling::initTestCase()
{
    test::setUpProgram();
    const QString factor = qEnvironmentVariable("QT_SCALE_FACTOR");
    QCOMPARE(qApp->devicePixelRatio(), factor.isEmpty() ? 1.0 : factor.toDouble());
}

void TestScaling::nothingClipped_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("longResult");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("button");
    for (const Shown& s : allWindows()) {
        QTest::newRow(s.window.toUtf8()) << s.window << false << QString() << QString();
        if (!s.button.isEmpty())
            QTest::newRow((s.window + " long result").toUtf8())
                << s.window << true << s.option << s.button;
    }
}

void TestScaling::nothingClipped()
{
    QFETCH(QString, window);
    QFETCH(bool, longResult);
    QFETCH(QString, option);
    QFETCH(QString, button);
    if (window == "MDIForm1")
        w::show(QStringLiteral("Form1")); // the frame as it starts, with its start window
    w::show(window);
    QWidget* form = w::loaded(window);
    QVERIFY(form);
    if (longResult) {
        const auto box = test::computeLongNumbers(form, option, button);
        QVERIFY2(!box.shown, qPrintable(box.text));
        bool grown = false;
        for (auto* l : form->findChildren<QLabel*>())
            grown = grown || l->text().size() >= 15;
        QVERIFY(grown);
    }
    QCoreApplication::processEvents();
    const qreal dpr = form->devicePixelRatioF();
    QCOMPARE(dpr, qApp->devicePixelRatio());

    for (auto* c : form->findChildren<QWidget*>()) {
        const QString caption = captionOf(c);
        if (caption.isEmpty() || !c->isVisibleTo(form))
            continue;
        const Room room = roomFor(c);
        const QRect ink = inkIn(c->font(), caption, room.flags, room.rect.size(), dpr);
        const QRect allowed((room.allowed.topLeft() - room.rect.topLeft()) * dpr,
                            room.allowed.size() * dpr);
        QVERIFY2(allowed.contains(ink),
                 qPrintable(QStringLiteral("%1 \"%2\": ink %3,%4 %5x%6 in %7x%8")
                                .arg(c->objectName(), caption)
                                .arg(ink.x())
                                .arg(ink.y())
                                .arg(ink.width())
                                .arg(ink.height())
                                .arg(allowed.width())
                                .arg(allowed.height())));
        // The room itself lies within the control, and the control within its parent.
        QVERIFY2(c->rect().contains(room.rect), qPrintable(c->objectName()));
        QVERIFY2(c->parentWidget()->rect().contains(c->geometry()), qPrintable(c->objectName()));
    }
    for (auto* c : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (c->isVisibleTo(form))
            QVERIFY2(form->rect().contains(c->geometry()), qPrintable(c->objectName()));
    }

    // The window itself: whole inside its frame window, or on the screen.
    QWidget* o = outer(form);
    if (auto* sub = qobject_cast<QMdiSubWindow*>(o)) {
        QVERIFY(sub->contentsRect().contains(form->geometry()));
        QVERIFY(sub->mdiArea()->viewport()->rect().contains(sub->geometry()));
    }
    if (o->isWindow())
        QVERIFY(o->screen()->availableGeometry().contains(o->frameGeometry()));
    if (QWidget* frame = w::loaded(QStringLiteral("MDIForm1")))
        QVERIFY(frame->screen()->availableGeometry().contains(frame->frameGeometry()));
}

void TestScaling::typedNumbersStayVisible_data()
{
    QTest::addColumn<QString>("window");
    for (const solids::Solid* s : solids::catalogue())
        QTest::newRow(s->window) << QString::fromUtf8(s->window);
}

// A dimension box widens with what is typed, its unit following, so that
// "123456,789" is read whole, without scrolling; it stays inside the window.
void TestScaling::typedNumbersStayVisible()
{
    QFETCH(QString, window);
    w::show(window);
    QWidget* form = w::loaded(window);
    // The variant that reads every box (the frustums).
    const solids::Calculator& calculator = solids::solid(window).calculator;
    for (const solids::Variant& v : calculator.variants) {
        const bool all = std::all_of(calculator.dimensions.begin(), calculator.dimensions.end(),
                                     [&](const solids::Dimension& d) { return uses(v, d); });
        if (all && v.option)
            form->findChild<QRadioButton*>(QString::fromUtf8(v.option))->setChecked(true);
    }
    const QString typed = "123456" + QLocale().decimalPoint() + "789";
    for (const solids::Dimension& d : solids::solid(window).calculator.dimensions) {
        auto* box = form->findChild<QLineEdit*>(QString::fromUtf8(d.box));
        const int stored = box->width();
        test::type(form, box->objectName(), typed);
        box->setCursorPosition(int(typed.size()));
        // Unscrolled, the cursor at the end stands after the whole text.
        const QRect cursor = box->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        QVERIFY2(cursor.center().x() >= box->fontMetrics().horizontalAdvance(typed), d.box);
        QVERIFY2(cursor.right() < box->width(), d.box);
        QVERIFY(form->rect().contains(box->geometry()));
        for (auto* l : form->findChildren<QLabel*>()) {
            if (l->isVisibleTo(form) && !l->text().isEmpty())
                QVERIFY2(!l->geometry().intersects(box->geometry()),
                         qPrintable(l->objectName() + " over " + d.box));
        }
        test::type(form, box->objectName(), QStringLiteral("1"));
        QCOMPARE(box->width(), stored);
    }
}

// The Umkehraufgabe's longest list, a Spat, with two solutions to choose:
// the window stays whole on the screen, with room for the solution's lines.
void TestScaling::inverseWithItsLongestListFits()
{
    w::show(QString::fromUtf8(names::kInverse));
    QWidget* window = w::loaded(QString::fromUtf8(names::kInverse));
    window->findChild<QComboBox*>(QStringLiteral("cbokörper"))
        ->setCurrentText(QStringLiteral("Spat"));
    const QStringList givens = {
        "txta=1",  "txtb=1",  "txtc=1",
        "txtα=90", "txtβ=90", "txtV=0" + QString(QLocale().decimalPoint()) + "8660254037844386"};
    for (const QString& g : givens)
        test::type(window, g.section(u'=', 0, 0), g.section(u'=', 1));
    test::click(window, QStringLiteral("cmdberechnen"));
    QCoreApplication::processEvents();
    QCoreApplication::processEvents(); // the rows, once shown, ask for room
    QCOMPARE(window->findChildren<QRadioButton*>().size(), 2);
    QVERIFY(window->screen()->availableGeometry().contains(window->frameGeometry()));
    for (auto* c : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (c->isVisibleTo(window))
            QVERIFY2(window->rect().contains(c->geometry()), qPrintable(c->objectName()));
    }
    auto* text = window->findChild<QTextEdit*>();
    QVERIFY(text->viewport()->height() >= 3 * text->fontMetrics().lineSpacing());
    // The rows do not scroll sideways: the sketch beside them gives them
    // their whole width, captions and units too.
    auto* rows = window->findChild<QScrollArea*>(QStringLiteral("scrgrößen"));
    for (auto* c : rows->widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect at(c->mapTo(rows->viewport(), QPoint()), c->size());
        QVERIFY2(at.left() >= 0 && at.right() < rows->viewport()->width(),
                 qPrintable(c->objectName()));
    }
}

QTEST_MAIN(TestScaling)
#include "tst_scaling.moc"
