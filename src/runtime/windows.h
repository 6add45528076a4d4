#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace rt {

class MdiFrame;

enum class Placement { Frame, FrameChild, TopLevel };

// Every window exists at most once: created on first reference, shown
// modeless, hidden, or unloaded so that the next reference creates it afresh
// from its description.
namespace windows {

using Factory = std::function<QWidget*()>;

void define(const QString& name, Placement placement, Factory factory);

// The single instance, created (not shown) on first reference. A child of the
// frame loads the frame first. A name that was never defined raises
// std::invalid_argument.
QWidget* get(const QString& name);
// The instance if it is loaded, else nullptr.
QWidget* loaded(const QString& name);

// Makes the window visible and active, loading it first if needed.
void show(const QString& name);
void hide(const QString& name);
// Destroys the window and what its controls held.
void unload(const QString& name);
// Unloads every window; the definitions stay.
void unloadAll();

MdiFrame* frame();

// The free top-level windows that are open, minimised ones included, hidden
// ones not: their names, in the order of their titles.
QStringList openFreeWindows();

// True while any window of the program is visible.
bool anyVisible();

// Shows the start-up window and delivers events until no window is left.
int start(const QString& startup);

} // namespace windows
} // namespace rt
