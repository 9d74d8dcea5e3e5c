#include "keyboardfocus.h"

#include <QApplication>
#include <QEvent>
#include <QQuickItem>
#include <QQuickWidget>
#include <QWidget>

void KeyboardFocus::install(QWidget* window, QQuickWidget* view)
{
    new KeyboardFocus(window, view);
}

KeyboardFocus::KeyboardFocus(QWidget* window, QQuickWidget* view)
    : QObject(view), window(window), view(view)
{
    view->setFocusPolicy(Qt::StrongFocus);
    window->setFocusProxy(view);
    window->installEventFilter(this);
    view->installEventFilter(this);
    connect(view, &QQuickWidget::statusChanged, this, &KeyboardFocus::focusRootItem);
    focusRootItem();
}

bool KeyboardFocus::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window && event->type() == QEvent::Show)
        window->activateWindow();
    else if (watched == view && event->type() == QEvent::EnabledChange && view->isEnabled())
        focusViewIfTheWindowHasTheKeyboard();
    return QObject::eventFilter(watched, event);
}

void KeyboardFocus::focusRootItem()
{
    if (QQuickItem* root = view->rootObject())
        root->setFocus(true);
}

void KeyboardFocus::focusViewIfTheWindowHasTheKeyboard()
{
    if (window->isActiveWindow() && !QApplication::focusWidget())
        view->setFocus(Qt::OtherFocusReason);
}
