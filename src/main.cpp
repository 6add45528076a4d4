#include "program.h"
#include "runtime/setup.h"
#include "runtime/windows.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    rt::setUp();
    defineWindows();
    return rt::windows::start(QStringLiteral("Form1"));
}
