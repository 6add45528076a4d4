// The yardstick for the start-up benchmark: the least Qt Widgets program of
// the same kind, a main window with a multiple-document area and one child
// window in it, at the program's frame size. The child has a title, so that
// the yardstick draws text too: an untitled one loads no font at all, which
// no real program can avoid.
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow frame;
    frame.setWindowTitle(QStringLiteral("Minimal"));
    auto* area = new QMdiArea;
    frame.setCentralWidget(area);
    QWidget* child = new QWidget;
    child->setWindowTitle(QStringLiteral("Fenster"));
    area->addSubWindow(child)->show();
    frame.resize(1040, 579);
    frame.show();
    return QApplication::exec();
}
