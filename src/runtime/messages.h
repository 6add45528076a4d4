#pragma once

#include <QString>

class QWidget;

namespace rt {

inline const QString kAppTitle = QStringLiteral("Solvanto");

// Message box styles: one OK button, with no icon, the stop icon or the
// information icon.
enum MsgStyle { Plain = 0, Critical = 16, Information = 64 };

// Modal over the window that raises it (the active window if none is named);
// without a title it carries the application's. It goes away with that
// window, as if answered.
void msgBox(const QString& text, int style = Plain, const QString& title = {},
            QWidget* window = nullptr);

} // namespace rt
