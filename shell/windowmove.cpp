#include "windowmove.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

WindowMove* WindowMove::of(QWidget* window)
{
    if (auto* existing = window->findChild<WindowMove*>(QString(), Qt::FindDirectChildrenOnly))
        return existing;
    return new WindowMove(window);
}

WindowMove::WindowMove(QWidget* window, SystemMove systemMove)
    : QObject(window), window(window), systemMove(std::move(systemMove))
{
    if (!this->systemMove)
        this->systemMove = [](QWindow* handle) {
            return handle->startSystemMove();
        };
    // The press reaches the window's QWindow, which comes and goes with the
    // native window, before the scene sees it.
    QCoreApplication::instance()->installEventFilter(this);
}

WindowMove::~WindowMove()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

void WindowMove::setSystemMove(SystemMove move)
{
    systemMove = std::move(move);
}

bool WindowMove::movesByOffsets()
{
    if (drag == Drag::NotAsked) {
        QWindow* handle = window ? window->windowHandle() : nullptr;
        drag = handle && handle->isVisible() && systemMove(handle) ? Drag::ByPlatform
                                                                   : Drag::ByOffsets;
    }
    return drag == Drag::ByOffsets;
}

bool WindowMove::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && window && watched->isWindowType() &&
        watched == window->windowHandle())
        drag = Drag::NotAsked;
    return false;
}
