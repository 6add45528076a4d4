#pragma once

#include <QString>

namespace rt {

inline const QString kAppTitle = QStringLiteral("Solvanto");

// Message box styles: one OK button, with no icon, the stop icon or the
// information icon.
enum MsgStyle { Plain = 0, Critical = 16, Information = 64 };

// Modal over the active window; without a title it carries the application's.
void msgBox(const QString& text, int style = Plain, const QString& title = {});

} // namespace rt
