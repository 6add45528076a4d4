// Opening and closing every window and computing again and again must not make
// the program grow: what the heap holds at the end stays within 2 MiB of what
// it held after the first round. Under the sanitizers the memory figures mean
// nothing, so there the rounds only feed LeakSanitizer.
#include "runtime/windows.h"
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

const QStringList kWindows = {"Form1",      "fowürfel", "foquader", "fopyramide",
                              "fozylinder", "fokegel",  "fokugel",  "foprisma",
                              "fospat",     "fotorus",  "fowurzel", "foinfo"};

// Inputs that every calculator accepts, with the box names of each.
const QList<QPair<QString, QStringList>> kCalculators = {
    {"fowürfel", {"txtseitea"}},
    {"foquader", {"txtseitea", "txtseiteb", "txtseitec"}},
    {"fopyramide", {"txtseitea1", "txtseitea2", "txthöheh"}},
    {"fozylinder", {"txtradiusr", "txthöheh"}},
    {"fokegel", {"txtradiusr", "txthöheh"}},
    {"fokugel", {"txtradiusr"}}};

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
    w::show(QStringLiteral("Form1"));
    for (const auto& [name, boxes] : kCalculators)
        w::show(name);
    w::loaded(QStringLiteral("fopyramide"))
        ->findChild<QRadioButton*>(QStringLiteral("opstumpf"))
        ->setChecked(true);
    auto round = [](int i) {
        const auto& [name, boxes] = kCalculators[i % kCalculators.size()];
        QWidget* window = w::loaded(name);
        for (int k = 0; k < boxes.size(); ++k) {
            const double value = double(1 + (i * 7 + 3) % 97) / double(k + 1);
            window->findChild<QLineEdit*>(boxes[k])->setText(QLocale().toString(value));
        }
        window->findChild<QAbstractButton*>(QStringLiteral("cmdberechnen"))->click();
    };
    for (int i = 0; i < int(kCalculators.size()); ++i)
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
