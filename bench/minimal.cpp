// The yardsticks for the start-up benchmark: the least Qt Widgets program of
// the same kind, a main window with a multiple-document area and one child
// window in it, at the program's frame size. The child has a title, so that
// the yardstick draws text too: an untitled one loads no font at all, which
// no real program can avoid.
//
//   minimal            only that
//   minimal --fonts    the child also shows, as plain labels, the texts of the
//                      program's start window in the same families, pixel sizes
//                      and weights, at the start window's size: what the fonts
//                      alone cost, without the program's own widgets and code
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <cstring>

namespace {

// The start window's texts where it shows them; the families are the installed
// stand-ins the program substitutes for the faces its windows name.
struct Text {
    const char* text;
    const char* family;
    int pixels;
    bool bold;
    int x, y;
};

const Text kStartWindowTexts[] = {
    {"Volume Oberfläche und Mantelfläche von Körpern", "Comic Neue", 16, false, 64, 24},
    {"Bitte wählen Sie die zu Berechnende Körper aus und klicken Sie weiter!", "Liberation Sans",
     13, true, 16, 80},
    {"Würfel", "DejaVu Serif", 13, true, 36, 136},
    {"Quader", "DejaVu Serif", 13, true, 164, 136},
    {"Pyramide/Pyramidenstumpf", "DejaVu Serif", 13, true, 300, 136},
    {"Zylinder", "DejaVu Serif", 13, true, 36, 192},
    {"Prisma", "DejaVu Serif", 13, true, 164, 192},
    {"Kegel/Kegelstumpf", "DejaVu Serif", 13, true, 300, 192},
    {"Spat", "DejaVu Serif", 13, true, 36, 264},
    {"Kugel", "DejaVu Serif", 13, true, 164, 264},
    {"Torus", "DejaVu Serif", 13, true, 300, 264},
    {"Weitere Körper", "Liberation Sans", 11, false, 16, 308},
    {"Hohlzylinder", "DejaVu Serif", 13, true, 36, 328},
    {"Halbkugel", "DejaVu Serif", 13, true, 164, 328},
    {"Kugelabschnitt", "DejaVu Serif", 13, true, 300, 328},
    {"Tetraeder", "DejaVu Serif", 13, true, 36, 356},
    {"Oktaeder", "DejaVu Serif", 13, true, 164, 356},
    {"Weiter", "Liberation Sans", 16, false, 366, 401},
    {"Beenden", "Liberation Sans", 16, false, 460, 401},
};

void addText(QWidget* parent, const Text& t)
{
    auto* label = new QLabel(QString::fromUtf8(t.text), parent);
    QFont font(QString::fromLatin1(t.family));
    font.setPixelSize(t.pixels);
    font.setBold(t.bold);
    label->setFont(font);
    label->move(t.x, t.y);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow frame;
    frame.setWindowTitle(QStringLiteral("Minimal"));
    auto* area = new QMdiArea;
    frame.setCentralWidget(area);
    QWidget* child = new QWidget;
    child->setWindowTitle(QStringLiteral("Fenster"));
    if (argc > 1 && std::strcmp(argv[1], "--fonts") == 0) {
        for (const Text& t : kStartWindowTexts)
            addText(child, t);
        child->setMinimumSize(565, 389);
    }
    area->addSubWindow(child)->show();
    frame.resize(1040, 579);
    frame.show();
    return QApplication::exec();
}
