#include "program.h"
#include "runtime/look.h"
#include "runtime/messages.h"
#include "runtime/windows.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(rt::kAppTitle);
    rt::installFonts();
    defineWindows();
    return rt::windows::start(QStringLiteral("Form1"));
}
