#pragma once

#include <QAbstractButton>
#include <QAction>
#include <functional>

// Every click handler runs through invoke(): the one place where the runtime's
// errors are caught. The handler stops, the user reads what went wrong, and the
// program and its windows go on.
namespace rt {

void invoke(QWidget* window, const std::function<void()>& handler);

template <class W> void onClick(QAbstractButton* button, W* window, void (W::*handler)())
{
    QObject::connect(button, &QAbstractButton::clicked, window,
                     [window, handler] { invoke(window, [&] { (window->*handler)(); }); });
}

template <class W> void onTriggered(QAction* action, W* window, void (W::*handler)())
{
    QObject::connect(action, &QAction::triggered, window,
                     [window, handler] { invoke(window, [&] { (window->*handler)(); }); });
}

} // namespace rt
