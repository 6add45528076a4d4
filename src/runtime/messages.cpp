#include "messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace rt {

void msgBox(const QString& text, int style, const QString& title, QWidget* window)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    if (style == Critical)
        icon = QMessageBox::Critical;
    else if (style == Information)
        icon = QMessageBox::Information;
    // On the heap: the window it belongs to may close while the box is open
    // (through assistive technology, or as the session ends) and take the box
    // with it; then exec() returns as if the box had been answered.
    QPointer<QMessageBox> box =
        new QMessageBox(icon, title.isEmpty() ? kAppTitle : title, text, QMessageBox::Ok,
                        window ? window : QApplication::activeWindow());
    // What the user typed is quoted as it is, never read as markup.
    box->setTextFormat(Qt::PlainText);
    box->exec();
    delete box.data();
}

} // namespace rt
