#include "events.h"
#include "messages.h"
#include "numbers/errors.h"

#include <QLineEdit>
#include <QPointer>

namespace rt {

void invoke(QWidget* window, const std::function<void()>& handler)
{
    QPointer<QWidget> guard(window);
    QString field;
    try {
        handler();
        return;
    } catch (const Error& e) {
        field = e.field();
        msgBox(e.message(), Critical, {}, guard);
    } catch (const std::exception& e) {
        msgBox(QStringLiteral("Ein unerwarteter Fehler ist aufgetreten: %1")
                   .arg(QString::fromLocal8Bit(e.what())),
               Critical, {}, guard);
    }
    // Put the cursor back into the box whose text could not be used.
    if (guard && !field.isEmpty()) {
        if (auto* box = guard->findChild<QLineEdit*>(field)) {
            box->setFocus(Qt::OtherFocusReason);
            box->selectAll();
        }
    }
}

} // namespace rt
