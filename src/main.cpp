#include "names.h"
#include "program.h"
#include "runtime/setup.h"
#include "runtime/trace.h"
#include "runtime/windows.h"

#include <QApplication>
#include <QHashSeed>
#include <QIcon>

int main(int argc, char* argv[])
{
    rt::trace::checkpoint("main");
    // The PDF writer lists a document's fonts in the order of a hash: with a
    // seed of its own each run, the same worksheet saved in two runs would
    // differ in its bytes.
    QHashSeed::setDeterministicGlobalSeed();
    QApplication app(argc, argv);
    rt::trace::checkpoint("application");
    rt::setUp();
    rt::trace::checkpoint("fonts and translations");
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/org.solvanto.Solvanto.png")));
    rt::trace::checkpoint("window icon");
    defineWindows();
    rt::trace::checkpoint("windows defined");
    return rt::windows::start(QString::fromUtf8(names::kStart));
}
