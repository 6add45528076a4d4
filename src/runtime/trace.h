#pragma once

class QWidget;

// Start-up checkpoints: with the build option SOLVANTO_STARTUP_TRACE each
// prints to standard error the milliseconds since the process started, and the
// first paint of a window is one of them (after which the program ends when
// SOLVANTO_TRACE_QUIT is set, for profilers); without it they compile to nothing.
namespace rt::trace {

#ifdef SOLVANTO_STARTUP_TRACE
void checkpoint(const char* what);
void firstPaintOf(QWidget* window);
#else
inline void checkpoint(const char*) {}
inline void firstPaintOf(QWidget*) {}
#endif

} // namespace rt::trace
