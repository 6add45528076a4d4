#include "messages.h"

#include <QApplication>
#include <QMessageBox>

namespace rt {

void msgBox(const QString& text, int style, const QString& title)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    if (style == Critical)
        icon = QMessageBox::Critical;
    else if (style == Information)
        icon = QMessageBox::Information;
    QMessageBox box(icon, title.isEmpty() ? kAppTitle : title, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

} // namespace rt
