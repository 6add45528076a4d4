#include "infowindow.h"

#include "names.h"
#include "runtime/events.h"
#include "runtime/windows.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMovie>

namespace shell {

namespace {

using namespace rt::rows;

constexpr rt::FontSpec kCredit{"Georgia", 11.25, true, true};
constexpr rt::FontSpec kButton{"MS Sans Serif", 9.75};

const char* const kCredits = "Dieses Programm haben Mira Lindqvist und Tobias Kernbach entwickelt.";
const char* const kVersion = "Solvanto 1.0 © 2026 Lindqvist und Kernbach";

const rt::WindowDescription kLayout{
    "Info",
    6405,
    3975,
    rt::SystemColor::ScrollBar,
    {
        frame("Frame1", "", {2040, 1440, 3975, 1695}, 0),
        label("Label1", kCredits, {120, 480, 3735, 1095}, kCredit, 1, "Frame1"),
        picture("Picture1", {240, 720, 1455, 2415}, 2),
        label("Label2", kVersion, {2160, 360, 1215, 735}, {}, 3),
        button("cmdzurück", "OK", {2400, 3480, 1095, 375}, kButton, 4),
    }};

} // namespace

InfoWindow::InfoWindow()
    : Form(kLayout)
{
    // The rose plays at its own size from the picture box's top-left corner;
    // the GIF itself says that it loops for ever.
    QLabel* picture = label(QStringLiteral("Picture1"));
    picture->setAccessibleName(QStringLiteral("Rose"));
    picture->setAccessibleDescription(
        QStringLiteral("Eine rote Rose, die sich von der Knospe zur vollen Blüte öffnet"));
    rose_ = new QMovie(QStringLiteral(":/rose.gif"), {}, picture);
    picture->setMovie(rose_);
    rt::onClick(button(QStringLiteral("cmdzurück")), this, &InfoWindow::cmdzurück_Click);
}

// Escape puts the window away as "OK" does, as it closes a dialog.
void InfoWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        button(QStringLiteral("cmdzurück"))->click();
        return;
    }
    Form::keyPressEvent(event);
}

void InfoWindow::playWhileSeen()
{
    const bool seen = isVisible() && !isMinimized();
    if (seen && rose_->state() == QMovie::NotRunning)
        rose_->start();
    else if (rose_->state() != QMovie::NotRunning)
        rose_->setPaused(!seen);
}

void InfoWindow::showEvent(QShowEvent* event)
{
    Form::showEvent(event);
    playWhileSeen();
}

void InfoWindow::hideEvent(QHideEvent* event)
{
    Form::hideEvent(event);
    playWhileSeen();
}

void InfoWindow::changeEvent(QEvent* event)
{
    Form::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        playWhileSeen();
}

void InfoWindow::cmdzurück_Click()
{
    rt::windows::hide(QString::fromUtf8(names::kInfo));
}

} // namespace shell
