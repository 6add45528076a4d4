#include "names.h"
#include "program.h"
#include "runtime/setup.h"
#include "runtime/windows.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    rt::setUp();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/org.solvanto.Solvanto.png")));
    defineWindows();
    return rt::windows::start(QString::fromUtf8(names::kStart));
}
