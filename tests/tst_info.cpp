#include "runtime/frame.h"
#include "runtime/windows.h"
#include "support.h"

#include <QAccessible>
#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QMovie>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <utility>

namespace w = rt::windows;

namespace {

// The GIF as its blocks say, read without a decoder.
struct GifFrame {
    QRect rect;
    bool localTable = false;
    int controls = 0, disposal = -1, delay = -1, transparent = -1;
};

struct Gif {
    QByteArray signature;
    QSize size;
    int colours = 0, loops = -1;
    QList<GifFrame> frames;
    bool endsAtTrailer = false;
};

Gif parseGif(const QByteArray& b)
{
    const auto u8 = [&](qsizetype i) { return i < b.size() ? int(quint8(b[i])) : 0; };
    const auto u16 = [&](qsizetype i) { return u8(i) | u8(i + 1) << 8; };
    const auto skipBlocks = [&](qsizetype i) {
        while (i < b.size() && u8(i) > 0)
            i += 1 + u8(i);
        return i + 1;
    };
    Gif g;
    g.signature = b.left(6);
    g.size = QSize(u16(6), u16(8));
    qsizetype i = 13;
    if (u8(10) & 0x80) {
        g.colours = 2 << (u8(10) & 7);
        i += 3 * g.colours;
    }
    GifFrame next;
    while (i < b.size()) {
        const int kind = u8(i), label = u8(i + 1);
        if (kind == 0x3B) {
            g.endsAtTrailer = i + 1 == b.size();
            break;
        }
        if (kind == 0x2C) {
            next.rect = QRect(u16(i + 1), u16(i + 3), u16(i + 5), u16(i + 7));
            next.localTable = u8(i + 9) & 0x80;
            i = skipBlocks(i + 11 + (next.localTable ? 3 * (2 << (u8(i + 9) & 7)) : 0));
            g.frames << std::exchange(next, {});
            continue;
        }
        if (kind != 0x21)
            break; // not a GIF block: the trailer is never reached
        if (label == 0xF9) {
            ++next.controls;
            next.disposal = u8(i + 3) >> 2 & 7;
            next.delay = u16(i + 4);
            next.transparent = u8(i + 3) & 1 ? u8(i + 6) : -1;
        } else if (label == 0xFF && b.mid(i + 3, 11) == "NETSCAPE2.0" && u8(i + 15) == 1) {
            g.loops = u16(i + 16);
        }
        i = skipBlocks(i + 2);
    }
    return g;
}

QByteArray roseBytes()
{
    QFile f(QStringLiteral(":/rose.gif"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Red and green pixels of a decoded frame, and their mean height.
struct Census {
    int red = 0, green = 0;
    double redY = 0, greenY = 0;
};

Census census(const QImage& image)
{
    Census c;
    const QImage img = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QColor p = img.pixelColor(x, y);
            if (p.alpha() == 255 && p.red() > 110 && p.red() > 2 * std::max(p.green(), p.blue()))
                c.redY += (++c.red, y);
            else if (p.alpha() == 255 && p.green() > std::max(p.red(), p.blue()) + 20)
                c.greenY += (++c.green, y);
        }
    }
    c.redY /= std::max(c.red, 1);
    c.greenY /= std::max(c.green, 1);
    return c;
}

QWidget* info()
{
    return w::loaded(QStringLiteral("foinfo"));
}

// Does what the user does: a menu entry of the frame, OK, the close button or
// the minimise button.
void act(const QStringList& steps)
{
    for (const QString& step : steps) {
        if (step == u"Info" || step == u"Beenden")
            w::frame()->findChild<QAction*>("mnu" + step.toLower())->trigger();
        else if (step == u"OK")
            test::click(info(), QStringLiteral("cmdzurück"));
        else if (step == u"close")
            info()->close();
        else if (step == u"minimise")
            info()->showMinimized();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

} // namespace

class TestInfo : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { test::setUpProgram(); }
    void init() { w::show(QStringLiteral("Form1")); }
    void cleanup() { w::unloadAll(); }

    void roseFile();
    void roseFrames_data();
    void roseFrames();
    void lifecycle_data();
    void lifecycle();
    void rosePlaysAndTextsFit();
    void programEnd_data();
    void programEnd();
};

void TestInfo::roseFile()
{
    const Gif g = parseGif(roseBytes());
    QCOMPARE(g.signature, "GIF89a");
    QCOMPARE(g.size, QSize(91, 131));
    QCOMPARE(g.colours, 64);
    QCOMPARE(g.loops, 0);
    QCOMPARE(g.frames.size(), 11);
    QVERIFY(g.endsAtTrailer);
}

void TestInfo::roseFrames_data()
{
    QTest::addColumn<int>("frame");
    QTest::addColumn<int>("delay");
    const int delays[] = {65, 10, 9, 8, 8, 7, 6, 5, 4, 2, 100};
    for (int i = 0; i < 11; ++i)
        QTest::addRow("frame %d", i + 1) << i << delays[i];
}

// Every frame whole at (0, 0) with the global colours, restored to background,
// index 7 transparent; the red flower above its green stem and leaves opens
// further from frame to frame, from a bud to the full bloom.
void TestInfo::roseFrames()
{
    QFETCH(int, frame);
    QFETCH(int, delay);

    const QList<GifFrame> frames = parseGif(roseBytes()).frames;
    QVERIFY(frame < frames.size());
    const GifFrame& f = frames[frame];
    QCOMPARE(f.rect, QRect(0, 0, 91, 131));
    QVERIFY(!f.localTable);
    QCOMPARE(f.controls, 1);
    QCOMPARE(f.delay, delay);
    QCOMPARE(f.disposal, 2);
    QCOMPARE(f.transparent, 7);

    QByteArray bytes = roseBytes();
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "gif");
    QList<Census> seen;
    for (QImage img = reader.read(); !img.isNull(); img = reader.read()) {
        QCOMPARE(img.pixelColor(0, 0).alpha(), 0);
        seen << census(img);
    }
    QCOMPARE(seen.size(), 11);
    const Census& now = seen[frame];
    QVERIFY(now.green > 300 && now.red > 100 && now.redY < now.greenY);
    if (frame > 0)
        QVERIFY(now.red > seen[frame - 1].red);
    else
        QVERIFY2(now.red * 4 < seen.last().red, "a closed bud, far smaller than the bloom");
}

void TestInfo::lifecycle_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("sameWindow");

    QTest::newRow("Info twice") << QStringList{"Info", "Info"} << true << true;
    QTest::newRow("OK hides") << QStringList{"Info", "OK"} << false << true;
    QTest::newRow("Info after OK") << QStringList{"Info", "OK", "Info"} << true << true;
    QTest::newRow("close, then Info") << QStringList{"Info", "close", "Info"} << true << false;
    QTest::newRow("frame closed") << QStringList{"Info", "Beenden"} << true << true;
    QTest::newRow("minimised") << QStringList{"Info", "minimise"} << true << true;
    QTest::newRow("back from an icon") << QStringList{"Info", "minimise", "Info"} << true << true;
}

void TestInfo::lifecycle()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, visible);
    QFETCH(bool, sameWindow);

    act({steps.first()});
    QPointer<QWidget> first = info();
    first->move(first->pos() + QPoint(37, 23)); // as the user may have moved it
    const QPoint place = first->pos();
    act(steps.mid(1));
    QVERIFY(info());
    QCOMPARE(info()->isVisible(), visible);
    QCOMPARE(info() == first, sameWindow);
    if (sameWindow)
        QCOMPARE(info()->pos(), place);
    // The rose plays only while it can be seen; hidden or minimised, the
    // program does no work.
    const QMovie* rose = info()->findChild<QLabel*>(QStringLiteral("Picture1"))->movie();
    QCOMPARE(rose->state() == QMovie::Running, visible && !info()->isMinimized());
    int instances = 0;
    for (QWidget* t : QApplication::topLevelWidgets())
        instances += t->objectName() == u"foinfo";
    QCOMPARE(instances, 1);
}

// The rose loops from the program's resources, unscaled at the picture box's
// top left; the version and credit lines wrap within their boxes uncut.
void TestInfo::rosePlaysAndTextsFit()
{
    act({"Info"});
    auto* picture = info()->findChild<QLabel*>(QStringLiteral("Picture1"));
    QMovie* movie = picture->movie();
    QVERIFY(movie && movie->isValid());
    QCOMPARE(movie->state(), QMovie::Running);
    QVERIFY(!picture->hasScaledContents());
    QCOMPARE(picture->alignment(), Qt::AlignLeft | Qt::AlignTop);
    QVERIFY(picture->contentsRect().width() >= 91 && picture->contentsRect().height() >= 131);
    QVERIFY(!QAccessible::queryAccessibleInterface(picture)->text(QAccessible::Name).isEmpty());
    QSignalSpy frames(movie, &QMovie::frameChanged);
    QTRY_VERIFY_WITH_TIMEOUT(frames.contains(QVariantList{0}), 5000);
    QVERIFY(frames.indexOf(QVariantList{0}) > frames.indexOf(QVariantList{10}));

    for (const char* name : {"Label1", "Label2"}) {
        auto* l = info()->findChild<QLabel*>(QString::fromLatin1(name));
        QVERIFY2(l->wordWrap() && l->heightForWidth(l->width()) <= l->height(), name);
    }
}

void TestInfo::programEnd_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("ends");

    QTest::newRow("frame closed, info hidden") << QStringList{"Info", "OK", "Beenden"} << true;
    QTest::newRow("frame closed, info open") << QStringList{"Info", "Beenden"} << false;
    QTest::newRow("OK on the last window") << QStringList{"Info", "Beenden", "OK"} << true;
}

// The program ends once nothing of it is on the screen, hidden windows or not.
void TestInfo::programEnd()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, ends);

    QTimer::singleShot(0, [&] { act(steps); });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(3000); // long enough for a loaded machine to quit first
    QCOMPARE(QApplication::exec() == 0, ends);
}

QTEST_MAIN(TestInfo)
#include "tst_info.moc"
