#include "mainframe.h"

#include "names.h"
#include "runtime/events.h"
#include "runtime/windows.h"
#include "worked/inversewindow.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

namespace shell {

namespace {

QMenu* menu(QMenuBar* bar, const char* name, const char* caption)
{
    QMenu* m = bar->addMenu(QString::fromUtf8(caption));
    m->setObjectName(QString::fromUtf8(name));
    m->menuAction()->setObjectName(QString::fromUtf8(name));
    return m;
}

QAction* entry(QMenu* parent, const char* name, const char* caption)
{
    QAction* a = parent->addAction(QString::fromUtf8(caption));
    a->setObjectName(QString::fromUtf8(name));
    return a;
}

// Room for the start window and the widest calculator side by side, so that a
// solid opened with "Weiter" appears next to the start window.
constexpr QSize kWorkspace(1040, 560);

} // namespace

MainFrame::MainFrame()
{
    setWindowTitle(QStringLiteral("Solvanto"));
    QMenuBar* bar = menuBar();

    // The titles carry access keys (Alt+D, Alt+B, ...); the entries keep their
    // captions as they are.
    QMenu* datei = menu(bar, "mnudatei", "&Datei");
    rt::onTriggered(entry(datei, "mnukörperwählen", "Körper wählen…"), this,
                    &MainFrame::mnukörperwählen_Click);
    rt::onTriggered(entry(datei, "mnubeenden", "Beenden"), this, &MainFrame::mnubeenden_Click);

    QMenu* bearbeiten = menu(bar, "mnubearbeiten", "&Bearbeiten");
    rt::onTriggered(entry(bearbeiten, "mnuausschneiden", "Ausschneiden"), this,
                    &MainFrame::mnuausschneiden_Click);
    rt::onTriggered(entry(bearbeiten, "mnukopieren", "Kopieren"), this,
                    &MainFrame::mnukopieren_Click);
    rt::onTriggered(entry(bearbeiten, "mnueinfügen", "Einfügen"), this,
                    &MainFrame::mnueinfügen_Click);
    // An entry that cannot act on the focused control says so by being disabled.
    connect(bearbeiten, &QMenu::aboutToShow, this, [this, bearbeiten] {
        const rt::EditTarget target(focusedControl());
        for (QAction* a : bearbeiten->actions()) {
            const QString name = a->objectName();
            a->setEnabled(name == u"mnuausschneiden" ? target.canCut()
                          : name == u"mnukopieren"   ? target.canCopy()
                                                     : target.canPaste());
        }
    });

    QMenu* fenster = menu(bar, "mnufenster", "&Fenster");
    QMenu* gehezu = fenster->addMenu(QStringLiteral("Gehe zu"));
    gehezu->setObjectName(QStringLiteral("mnugehezu"));
    gehezu->menuAction()->setObjectName(QStringLiteral("mnugehezu"));
    attachWindowList(gehezu);
    rt::onTriggered(entry(fenster, "mnuüberlappend", "überlappend"), this,
                    &MainFrame::mnuüberlappend_Click);
    rt::onTriggered(entry(fenster, "mnuuntereinander", "untereinander"), this,
                    &MainFrame::mnuuntereinander_Click);
    rt::onTriggered(entry(fenster, "mnunebeneinander", "nebeneinander"), this,
                    &MainFrame::mnunebeneinander_Click);

    QMenu* extras = menu(bar, "mnuextras", "&Extras");
    rt::onTriggered(entry(extras, "mnuwurzelziehen", "Wurzelziehen"), this,
                    &MainFrame::mnuwurzelziehen_Click);
    rt::onTriggered(entry(extras, "mnurechenweg", "Rechenweg"), this,
                    &MainFrame::mnurechenweg_Click);
    rt::onTriggered(entry(extras, "mnuumkehraufgabe", "Umkehraufgabe"), this,
                    &MainFrame::mnuumkehraufgabe_Click);
    rt::onTriggered(entry(extras, "mnuzusammengesetzterkörper", "Zusammengesetzter Körper"), this,
                    &MainFrame::mnuzusammengesetzterkörper_Click);

    QMenu* help = menu(bar, "mnuhelp", "&Help");
    rt::onTriggered(entry(help, "mnuinfo", "Info"), this, &MainFrame::mnuinfo_Click);

    // F10 opens the first menu, as a lone Alt highlights the bar; the arrow
    // keys go on from there.
    auto* f10 = new QAction(this);
    f10->setShortcut(Qt::Key_F10);
    f10->setShortcutContext(Qt::WindowShortcut);
    addAction(f10);
    connect(f10, &QAction::triggered, this,
            [bar, datei] { bar->setActiveAction(datei->menuAction()); });

    // Open at a size that fits the screen, centred on it.
    QSize size = kWorkspace + QSize(0, bar->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        size = size.boundedTo(avail.size() * 0.95);
        resize(size);
        move(avail.center() - QPoint(size.width() / 2, size.height() / 2));
    } else {
        resize(size);
    }
}

void MainFrame::mnukörperwählen_Click()
{
    rt::windows::show(QString::fromUtf8(names::kStart));
}

void MainFrame::mnuausschneiden_Click()
{
    rt::EditTarget(focusedControl()).cut();
}

void MainFrame::mnukopieren_Click()
{
    rt::EditTarget(focusedControl()).copy();
}

void MainFrame::mnueinfügen_Click()
{
    rt::EditTarget(focusedControl()).paste();
}

void MainFrame::mnubeenden_Click()
{
    rt::windows::unload(objectName());
}

void MainFrame::mnuüberlappend_Click()
{
    arrange(Cascade);
}

void MainFrame::mnuuntereinander_Click()
{
    arrange(TileHorizontal);
}

void MainFrame::mnunebeneinander_Click()
{
    arrange(TileVertical);
}

void MainFrame::mnuwurzelziehen_Click()
{
    rt::windows::show(QString::fromUtf8(names::kRoot));
}

void MainFrame::mnurechenweg_Click()
{
    rt::windows::show(QString::fromUtf8(names::kWorkedSolution));
}

// Opens on the solid of the active calculator window, unless the user has
// typed into it already.
void MainFrame::mnuumkehraufgabe_Click()
{
    const QString name = QString::fromUtf8(names::kInverse);
    if (auto* window = dynamic_cast<worked::InverseWindow*>(rt::windows::get(name));
        window && !window->isVisible())
        window->followActiveCalculator();
    rt::windows::show(name);
}

void MainFrame::mnuzusammengesetzterkörper_Click()
{
    rt::windows::show(QString::fromUtf8(names::kComposite));
}

void MainFrame::mnuinfo_Click()
{
    rt::windows::show(QString::fromUtf8(names::kInfo));
}

} // namespace shell
