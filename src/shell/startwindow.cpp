#include "startwindow.h"

#include "runtime/events.h"
#include "runtime/messages.h"
#include "runtime/windows.h"
#include "solids/catalogue.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

namespace shell {

namespace {

using namespace rt::rows;

constexpr rt::FontSpec kOption{"Georgia", 9.75, true};
constexpr rt::FontSpec kButton{"MS Sans Serif", 12};

const rt::WindowDescription kLayout{
    "Volumen Oberfläche und Mantel",
    8475,
    6900,
    rt::SystemColor::Desktop,
    {
        option("optorus", "Torus", {4200, 3960, 3615, 615}, kOption, 12),
        option("opkugel", "Kugel", {2160, 3960, 1935, 615}, kOption, 11),
        option("opspat", "Spat", {240, 3960, 1815, 615}, kOption, 10),
        option("opkegel", "Kegel/Kegelstumpf", {4200, 2880, 3615, 735}, kOption, 9),
        option("opprisma", "Prisma", {2160, 2880, 1935, 735}, kOption, 8),
        option("opzylinder", "Zylinder", {240, 2880, 1815, 735}, kOption, 7),
        option("oppyramide", "Pyramide/Pyramidenstumpf", {4200, 2040, 3495, 495}, kOption, 6),
        option("opquader", "Quader", {2160, 2040, 1575, 495}, kOption, 5),
        option("opwürfel", "Würfel", {240, 2040, 1575, 495}, kOption, 4),
        // The frame only frames the five: they sit on the window, so that all
        // fourteen options stay one group and one choice.
        frame("Frame1", "Weitere Körper", {120, 4620, 8235, 1215}, 13),
        option("ophohlzylinder", "Hohlzylinder", {240, 4920, 1815, 375}, kOption, 14),
        option("ophalbkugel", "Halbkugel", {2160, 4920, 1935, 375}, kOption, 15),
        option("opkugelabschnitt", "Kugelabschnitt", {4200, 4920, 3495, 375}, kOption, 16),
        option("optetraeder", "Tetraeder", {240, 5340, 1815, 375}, kOption, 17),
        option("opoktaeder", "Oktaeder", {2160, 5340, 1935, 375}, kOption, 18),
        button("cmdbeenden", "Beenden", {6600, 6015, 1695, 345}, kButton, 3),
        button("cmdweiter", "Weiter", {5280, 5985, 1095, 375}, kButton, 2),
        label("Label2", "Bitte wählen Sie die zu Berechnende Körper aus und klicken Sie weiter!",
              {240, 1200, 7455, 615}, {"MS Sans Serif", 9.75, true}, 1),
        label("Label1", "Volume Oberfläche und Mantelfläche von Körpern", {960, 360, 5535, 495},
              {"Comic Sans MS", 12}, 0),
    }};

} // namespace

StartWindow::StartWindow()
    : Form(kLayout)
{
    rt::onClick(button(QStringLiteral("cmdweiter")), this, &StartWindow::cmdweiter_Click);
    rt::onClick(button(QStringLiteral("cmdbeenden")), this, &StartWindow::cmdbeenden_Click);
    // "Weiter" is the default button, as in a dialog: Enter on an option
    // presses it. A focused button takes Enter and the mark itself, and Qt
    // drops a button's mark when it loses the focus outside a dialog.
    qobject_cast<QPushButton*>(button(QStringLiteral("cmdweiter")))->setDefault(true);
    focusWatch_ =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
            if ((old && isAncestorOf(old)) || (now && isAncestorOf(now)))
                markDefault();
        });
}

// Its controls move the focus as they go: no signal may reach the window once
// it is being taken apart.
StartWindow::~StartWindow()
{
    disconnect(focusWatch_);
}

void StartWindow::markDefault()
{
    auto* weiter = qobject_cast<QPushButton*>(button(QStringLiteral("cmdweiter")));
    QWidget* focus = focusWidget();
    weiter->setDefault(focus == weiter || !qobject_cast<QPushButton*>(focus));
}

// The options leave Enter to the window; Space still selects them.
void StartWindow::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        QAbstractButton* weiter = button(QStringLiteral("cmdweiter"));
        if (weiter->isVisible() && weiter->isEnabled())
            weiter->click();
        return;
    }
    Form::keyPressEvent(event);
}

// The options are tested in the catalogue's order; the first one set decides.
void StartWindow::cmdweiter_Click()
{
    for (const solids::Solid* solid : solids::catalogue()) {
        auto* option = qobject_cast<QRadioButton*>(control(QString::fromUtf8(solid->option)));
        if (option && option->isChecked()) {
            rt::windows::show(QString::fromUtf8(solid->window));
            return;
        }
    }
    rt::msgBox(QStringLiteral("Bitte wählen Sie ein Körper aus!!!!"), rt::Critical,
               QStringLiteral("Problem"), this);
}

void StartWindow::cmdbeenden_Click()
{
    rt::windows::unload(objectName());
}

} // namespace shell
