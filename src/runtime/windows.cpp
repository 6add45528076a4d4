#include "windows.h"
#include "frame.h"
#include "trace.h"

#include <QApplication>
#include <QHash>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScreen>
#include <algorithm>
#include <stdexcept>

namespace rt::windows {

namespace {

struct Entry {
    Placement placement;
    Factory factory;
    QPointer<QWidget> window;
};

QHash<QString, Entry>& entries()
{
    static QHash<QString, Entry> map;
    return map;
}

// A name nobody defined is a mistake in the program, reported in every build.
Entry& entry(const QString& name)
{
    auto it = entries().find(name);
    if (it == entries().end())
        throw std::invalid_argument("no window is defined as " + name.toStdString());
    return *it;
}

// The widget that carries the window's frame: the sub-window for a frame child.
QWidget* outer(QWidget* w)
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget()))
        return sub;
    return w;
}

// The rectangle moved, as little as it takes, to lie within the area where it fits.
QRect within(QRect r, const QRect& area)
{
    r.moveLeft(std::max(area.left(), std::min(r.left(), area.right() + 1 - r.width())));
    r.moveTop(std::max(area.top(), std::min(r.top(), area.bottom() + 1 - r.height())));
    return r;
}

// A closed window with WA_DeleteOnClose is only deleted later; Qt clears the
// attribute when it closes, which tells a closing window from a hidden one.
bool alive(QWidget* w)
{
    return w && outer(w)->testAttribute(Qt::WA_DeleteOnClose);
}

QString frameName()
{
    for (auto it = entries().cbegin(); it != entries().cend(); ++it) {
        if (it->placement == Placement::Frame)
            return it.key();
    }
    return {};
}

} // namespace

void define(const QString& name, Placement placement, Factory factory)
{
    entries().insert(name, Entry{placement, std::move(factory), {}});
}

QWidget* loaded(const QString& name)
{
    auto it = entries().find(name);
    if (it == entries().end() || !alive(it->window))
        return nullptr;
    return it->window;
}

MdiFrame* frame()
{
    return static_cast<MdiFrame*>(get(frameName()));
}

QStringList openFreeWindows()
{
    QList<std::pair<QString, QString>> open; // title, name
    for (auto it = entries().cbegin(); it != entries().cend(); ++it) {
        if (it->placement != Placement::TopLevel)
            continue;
        if (QWidget* w = loaded(it.key()); w && w->isVisible())
            open.append({w->windowTitle(), it.key()});
    }
    std::sort(open.begin(), open.end(), [](const auto& a, const auto& b) {
        const int c = QString::localeAwareCompare(a.first, b.first);
        return c != 0 ? c < 0 : a.second < b.second;
    });
    QStringList names;
    for (const auto& [title, name] : open)
        names << name;
    return names;
}

QWidget* get(const QString& name)
{
    if (QWidget* w = loaded(name))
        return w;
    Entry& e = entry(name);
    MdiFrame* host = nullptr;
    if (e.placement == Placement::FrameChild) {
        host = frame();
        if (!host->isVisible())
            show(frameName());
    }
    QWidget* w = e.factory();
    w->setObjectName(name);
    if (host) {
        host->addChild(w);
    } else {
        w->setAttribute(Qt::WA_DeleteOnClose);
        // A free window opens at its stored place, or in the middle of the screen
        // without one; either way wholly on the screen where it fits, whatever
        // the scale.
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect avail = screen->availableGeometry();
            QRect r(w->pos(), w->sizeHint());
            if (!w->testAttribute(Qt::WA_Moved))
                r.moveCenter(avail.center());
            w->move(within(r, avail).topLeft());
        }
    }
    e.window = w;
    return w;
}

void show(const QString& name)
{
    QWidget* w = get(name);
    QWidget* o = outer(w);
    o->show();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(o)) {
        if (sub->isMinimized())
            sub->showNormal();
        sub->mdiArea()->setActiveSubWindow(sub);
    } else {
        // A minimised window comes back as it was, in front, and whole on the
        // screen now that its frame is known.
        if (o->isMinimized())
            o->setWindowState(o->windowState() & ~Qt::WindowMinimized);
        if (const QScreen* screen = o->screen())
            o->move(within(o->frameGeometry(), screen->availableGeometry()).topLeft());
        o->raise();
        o->activateWindow();
    }
}

bool anyVisible()
{
    const auto tops = QApplication::topLevelWidgets();
    return std::any_of(tops.begin(), tops.end(), [](QWidget* t) {
        return t->isVisible() && t->isWindow() && t->windowType() != Qt::Popup &&
               t->windowType() != Qt::ToolTip && t->windowType() != Qt::Desktop;
    });
}

void hide(const QString& name)
{
    if (QWidget* w = loaded(name))
        outer(w)->hide();
    // Never keep running with nothing on the screen.
    if (!anyVisible())
        QCoreApplication::quit();
}

void unload(const QString& name)
{
    // Closing clears WA_DeleteOnClose, so from here on the window counts as gone.
    if (QWidget* w = loaded(name))
        outer(w)->close();
}

void unloadAll()
{
    // Every other window before the frame, which owns the children.
    QList<QPointer<QWidget>> doomed;
    const QString frameKey = frameName();
    for (auto it = entries().begin(); it != entries().end(); ++it) {
        if (it->window && it.key() != frameKey)
            doomed << outer(it->window);
    }
    if (!frameKey.isEmpty() && entries()[frameKey].window)
        doomed << entries()[frameKey].window.data();
    for (auto it = entries().begin(); it != entries().end(); ++it)
        it->window.clear();
    for (const QPointer<QWidget>& w : doomed)
        delete w.data();
}

int start(const QString& startup)
{
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] { unloadAll(); });
    show(startup);
    trace::checkpoint("start-up window shown");
    if (QWidget* w = loaded(startup))
        trace::firstPaintOf(w->window());
    return QApplication::exec();
}

} // namespace rt::windows
