// Opening and closing every window and computing again and again must not make
// the program grow: what the heap holds at the end stays within 2 MiB of what
// it held after the first round. Under the sanitizers the memory figures mean
// nothing, so there the rounds only feed LeakSanitizer.
#include "names.h"
#include "runtime/windows.h"
#include "solids/catalogue.h"
#include "support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <malloc.h>

#if defined(__SANITIZE_ADDRESS__)
#define SOLVANTO_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SOLVANTO_SANITIZED 1
#endif
#endif

namespace w = rt::windows;

namespace {

#ifdef SOLVANTO_SANITIZED
constexpr int kRounds = 50;
constexpr int kCalculations = 500;
#else
constexpr int kRounds = 1000;
constexpr int kCalculations = 10000;
constexpr qint64 kAllowed = 2 * 1024 * 1024;
#endif

QStringList allWindows()
{
    QStringList all = {names::kStart};
    for (const solids::Solid* s : solids::catalogue())
        all << QString::fromUtf8(s->window);
    return all << names::kRoot << names::kInfo << names::kWorkedSolution;
}

const QStringList kWindows = allWindows();

// A value every calculator accepts for a dimension, varied with the round: a
// whole number of corners, an angle that spans a solid with two others like
// it, a length that shrinks from one box to the next (a torus's tube stays
// inside its ring).
QString acceptedValue(const solids::Dimension& d, int round, int box)
{
    double value = double(1 + (round * 7 + 3) % 97) / double(box + 1);
    if (d.unit == solids::Unit::None)
        value = 3 + round % 10;
    else if (d.unit == solids::Unit::Degree)
        value = 60 + round % 20;
    return QLocale().toString(value, 'g', 15).remove(QLocale().groupSeparator());
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

qint64 heapInUse()
{
    return qint64(mallinfo2().uordblks);
}

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLongLong() * 4096;
}

void report(const QString& line)
{
    qInfo().noquote() << line;
}

void oneRound()
{
    for (const QString& name : kWindows) {
        w::show(name);
        w::unload(name);
        settle();
    }
    w::unload(QStringLiteral("MDIForm1"));
    settle();
}

} // namespace

class TestGrowth : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::setUpProgram(); }
    void cleanupTestCase() { w::unloadAll(); }
    void openAndClose();
    void calculate();
};

void TestGrowth::openAndClose()
{
    oneRound();
    const qint64 heap = heapInUse(), rss = residentBytes();
    for (int i = 1; i < kRounds; ++i)
        oneRound();
    malloc_trim(0);
    const qint64 heapAfter = heapInUse(), rssAfter = residentBytes();
    report(QStringLiteral("%1 rounds of %2 windows: heap %3 -> %4 bytes, resident %5 -> %6 bytes")
               .arg(kRounds)
               .arg(kWindows.size())
               .arg(heap)
               .arg(heapAfter)
               .arg(rss)
               .arg(rssAfter));
#ifndef SOLVANTO_SANITIZED
    QVERIFY2(heapAfter - heap <= kAllowed, "the heap grew by more than 2 MiB");
#endif
}

void TestGrowth::calculate()
{
    const auto& solids = solids::catalogue();
    w::show(QString::fromUtf8(names::kStart));
    for (const solids::Solid* s : solids) {
        w::show(QString::fromUtf8(s->window));
        // The last variant's option, where the window has a choice.
        if (const char* option = s->calculator.variants.back().option)
            w::loaded(QString::fromUtf8(s->window))
                ->findChild<QRadioButton*>(QString::fromUtf8(option))
                ->setChecked(true);
    }
    auto round = [&](int i) {
        const solids::Solid* s = solids[std::size_t(i) % solids.size()];
        QWidget* window = w::loaded(QString::fromUtf8(s->window));
        const auto& dimensions = s->calculator.dimensions;
        for (int k = 0; k < int(dimensions.size()); ++k)
            window->findChild<QLineEdit*>(QString::fromUtf8(dimensions[std::size_t(k)].box))
                ->setText(acceptedValue(dimensions[std::size_t(k)], i, k));
        window->findChild<QAbstractButton*>(QStringLiteral("cmdberechnen"))->click();
    };
    for (int i = 0; i < int(solids.size()); ++i)
        round(i);
    settle();
    const qint64 heap = heapInUse();
    for (int i = 0; i < kCalculations; ++i)
        round(i);
    settle();
    malloc_trim(0);
    const qint64 heapAfter = heapInUse();
    report(QStringLiteral("%1 calculations: heap %2 -> %3 bytes")
               .arg(kCalculations)
               .arg(heap)
               .arg(heapAfter));
#ifndef SOLVANTO_SANITIZED
    QVERIFY2(heapAfter - heap <= kAllowed, "the heap grew by more than 2 MiB");
#endif
}

QTEST_MAIN(TestGrowth)
#include "tst_growth.moc"
