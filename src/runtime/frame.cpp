#include "frame.h"
#include "windows.h"

#include <QActionGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace rt {

namespace {

constexpr int kCascadeStep = 24;

QList<QMdiSubWindow*> arrangeable(const QMdiArea* area)
{
    QList<QMdiSubWindow*> result;
    for (QMdiSubWindow* sub : area->subWindowList(QMdiArea::CreationOrder)) {
        if (sub->isVisible() && !sub->isMinimized())
            result << sub;
    }
    return result;
}

} // namespace

MdiFrame::MdiFrame(QWidget* parent)
    : QMainWindow(parent)
    , area_(new QMdiArea(this))
{
    area_->setObjectName(QStringLiteral("mdiArea"));
    area_->setBackground(color(SystemColor::ApplicationWorkspace));
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(area_);
}

QMdiSubWindow* MdiFrame::addChild(QWidget* window)
{
    QMdiSubWindow* sub = area_->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setObjectName(window->objectName() + QStringLiteral("_window"));
    sub->resize(sub->sizeHint());
    sub->move(placeFor(sub));
    return sub;
}

QPoint MdiFrame::placeFor(QMdiSubWindow* sub) const
{
    QList<QMdiSubWindow*> others = area_->subWindowList(QMdiArea::CreationOrder);
    others.removeAll(sub);
    QList<QPoint> taken;
    for (const QMdiSubWindow* o : others)
        taken << o->pos();
    const QSize room = area_->viewport()->size();
    const QSize size = sub->size();
    const auto fits = [&](QPoint p) {
        return p.x() >= 0 && p.y() >= 0 && p.x() + size.width() <= room.width() &&
               p.y() + size.height() <= room.height();
    };
    const auto vacant = [&](QPoint p) { return !taken.contains(p); };
    if (others.isEmpty())
        return {0, 0};
    // Beside the first child (the start window), cascading from there; where
    // the frame is too narrow, as far right as fits.
    const QRect anchor = others.first()->geometry();
    const QPoint start(std::max(0, std::min(anchor.right() + 1, room.width() - size.width())),
                       std::max(0, std::min(anchor.top(), room.height() - size.height())));
    for (QPoint p = start; fits(p); p += QPoint(kCascadeStep, kCascadeStep)) {
        if (vacant(p))
            return p;
    }
    // Then any free place where the window is whole, row by row.
    for (int y = 0; y + size.height() <= room.height(); y += kCascadeStep) {
        for (int x = 0; x + size.width() <= room.width(); x += kCascadeStep) {
            if (vacant(QPoint(x, y)))
                return {x, y};
        }
    }
    // Larger than the workspace, or every place taken: never exactly over another.
    QPoint p = start;
    while (!vacant(p))
        p += QPoint(kCascadeStep, kCascadeStep);
    return p;
}

void MdiFrame::arrange(int code)
{
    if (code == Cascade) {
        area_->cascadeSubWindows();
        return;
    }
    const QList<QMdiSubWindow*> subs = arrangeable(area_);
    if (subs.isEmpty())
        return;
    const QSize room = area_->viewport()->size();
    const int n = int(subs.size());
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* sub = subs[i];
        if (sub->isMaximized())
            sub->showNormal();
        QRect r;
        if (code == TileHorizontal) {
            const int top = room.height() * i / n;
            r = QRect(0, top, room.width(), room.height() * (i + 1) / n - top);
        } else {
            const int left = room.width() * i / n;
            r = QRect(left, 0, room.width() * (i + 1) / n - left, room.height());
        }
        sub->setGeometry(r);
    }
}

void MdiFrame::attachWindowList(QMenu* menu)
{
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        menu->clear();
        const QList<QMdiSubWindow*> subs = area_->subWindowList(QMdiArea::CreationOrder);
        int number = 0;
        for (QMdiSubWindow* sub : subs) {
            if (!sub->isVisible())
                continue;
            ++number;
            QAction* a =
                menu->addAction(QStringLiteral("&%1 %2").arg(number).arg(sub->windowTitle()));
            a->setCheckable(true);
            a->setChecked(sub == area_->activeSubWindow());
            connect(a, &QAction::triggered, this, [this, sub] {
                if (area_->subWindowList().contains(sub)) {
                    if (sub->isMinimized())
                        sub->showNormal();
                    area_->setActiveSubWindow(sub);
                }
            });
        }
        // The free windows next, which a click on the frame puts behind it.
        const QStringList free = windows::openFreeWindows();
        if (number > 0 && !free.isEmpty())
            menu->addSeparator();
        for (const QString& name : free) {
            ++number;
            QAction* a = menu->addAction(
                QStringLiteral("&%1 %2").arg(number).arg(windows::loaded(name)->windowTitle()));
            a->setObjectName(name);
            connect(a, &QAction::triggered, this, [name] {
                if (windows::loaded(name))
                    windows::show(name);
            });
        }
        if (number == 0)
            menu->addAction(QStringLiteral("(keine Fenster geöffnet)"))->setEnabled(false);
    });
}

QWidget* MdiFrame::focusedControl() const
{
    const QMdiSubWindow* sub = area_->currentSubWindow();
    return sub && sub->widget() ? sub->widget()->focusWidget() : nullptr;
}

EditTarget::EditTarget(QWidget* control)
    : box_(qobject_cast<QLineEdit*>(control))
{
    auto* l = qobject_cast<QLabel*>(control);
    if (l && (l->textInteractionFlags() & Qt::TextSelectableByMouse) && !l->text().isEmpty())
        label_ = l;
}

bool EditTarget::canCut() const
{
    return box_ && !box_->isReadOnly() && box_->hasSelectedText();
}

bool EditTarget::canCopy() const
{
    return (box_ && box_->hasSelectedText()) || label_;
}

bool EditTarget::canPaste() const
{
    return box_ && !box_->isReadOnly() && !QGuiApplication::clipboard()->text().isEmpty();
}

void EditTarget::cut() const
{
    if (canCut())
        box_->cut();
}

void EditTarget::copy() const
{
    if (box_ && box_->hasSelectedText())
        box_->copy();
    else if (label_)
        QGuiApplication::clipboard()->setText(label_->hasSelectedText() ? label_->selectedText()
                                                                        : label_->text());
}

void EditTarget::paste() const
{
    if (canPaste())
        box_->paste();
}

void MdiFrame::closeEvent(QCloseEvent* event)
{
    area_->closeAllSubWindows();
    if (area_->subWindowList().isEmpty())
        event->accept();
    else
        event->ignore();
}

} // namespace rt
