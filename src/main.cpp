#include "names.h"
#include "program.h"
#include "runtime/setup.h"
#include "runtime/trace.h"
#include "runtime/windows.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    rt::trace::checkpoint("main");
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
