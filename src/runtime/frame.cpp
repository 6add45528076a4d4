#include "frame.h"

#include <QActionGroup>
#include <QCloseEvent>
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
    if (others.isEmpty())
        return {0, 0};
    // Beside the first child (the start window), cascading from there; where the
    // frame is too narrow, as far right as fits.
    const QRect anchor = others.first()->geometry();
    const int step = kCascadeStep * int((others.size() - 1) % 6);
    const QSize room = area_->viewport()->size();
    int x = anchor.right() + 1 + step;
    int y = anchor.top() + step;
    x = std::max(0, std::min(x, room.width() - sub->width()));
    y = std::max(0, std::min(y, room.height() - sub->height()));
    return {x, y};
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
        if (number == 0)
            menu->addAction(QStringLiteral("(keine Fenster geöffnet)"))->setEnabled(false);
    });
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
