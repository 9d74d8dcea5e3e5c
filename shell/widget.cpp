#include "widget.h"

#include "devicechangesource.h"
#include "devicetable.h"
#include "myqquickview.h"
#include "ui_controler.h"
#include "userevent.h"

#include <QCoreApplication>

Widget::Widget(HidBackend& hidBackend, QWidget* parent, const QUrl& scene)
    : QWidget(parent), hid(hidBackend)
{
    controller = new Ui_Controler(this, scene);
    hid.eventSink = controller->view;
    controller->view->hidThread = &hid;
    checkTimer.setInterval(DeviceCheckDelayMs);
    checkTimer.setSingleShot(true);
    connect(&checkTimer, &QTimer::timeout, this, &Widget::checkDevice);
}

Widget::~Widget()
{
    // No pool task may use the worker once the window starts to go.
    hid.stopEventLoop();
    hid.waitForWrites();
    // The view goes before the objects it publishes to the scene, and first
    // stops being the window's focus proxy (Qt would keep a dangling one).
    setFocusProxy(nullptr);
    delete controller->view;
    controller->view = nullptr;
    controller->window = nullptr;
    controller->deleteLater();
}

void Widget::watchDeviceChanges(DeviceChangeSource* source)
{
    connect(source, &DeviceChangeSource::deviceChanged, this, &Widget::deviceChangeNotified);
}

void Widget::deviceChangeNotified()
{
    checkTimer.start();
}

void Widget::checkDevice()
{
    hid.scanDevices(readDeviceTable(DeviceTableResource, controller->view->productNames()));
    hid.swichCurDevice(hid.currentDevice());
    controller->view->syncFW();
}

void Widget::startUp()
{
    controller->setBusy(1);
    controller->view->initUI();
    QCoreApplication::postEvent(this, new UserEvent(UserEvent::StartUpCode));
}

void Widget::customEvent(QEvent* event)
{
    if (event->type() != UserEvent::StartUpType)
        return;
    const auto* startUpEvent = dynamic_cast<UserEvent*>(event);
    if (!startUpEvent || startUpEvent->code != UserEvent::StartUpCode)
        return;
    controller->setBusy(0);
    controller->view->runUI();
}
