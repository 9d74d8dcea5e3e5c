#include "inputforwarding.h"

#include "myqquickview.h"
#include "ui_controler.h"
#include "widget.h"

void forwardKeyToScene(quint8 usbCode, bool isDown, void* context)
{
    if (auto* window = static_cast<Widget*>(context))
        window->controller->view->keyDetected(isDown, usbCode);
}

void forwardMouseButtonToScene(quint8 vornCode, bool isDown, qint32 x, qint32 y, void* context)
{
    if (auto* window = static_cast<Widget*>(context))
        window->controller->view->mouseDetected(isDown, vornCode, uint(x), uint(y));
}
