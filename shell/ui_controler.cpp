#include "ui_controler.h"

#include "dataroots.h"
#include "keyboardfocus.h"
#include "myqquickview.h"
#include "widget.h"
#include "windowmove.h"

#include <QEvent>
#include <QQmlContext>
#include <QQuickItem>
#include <QSettings>
#include <QWidget>

namespace {

QString windowTitleFromSettings()
{
    const QSettings settings(DataRoots::current().settingsFile(), QSettings::IniFormat);
    return settings.value("common/name", QString()).toString();
}

} // namespace

Ui_Controler::Ui_Controler(Widget* window, const QUrl& scene)
{
    if (window->objectName().isEmpty())
        window->setObjectName("Widget");
    this->window = window;
    window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    window->setWindowOpacity(1.0);
    window->setAttribute(Qt::WA_TranslucentBackground, true);
    window->setStyleSheet("background:transparent;");

    view = new myQQuickView(window);
    view->setObjectName("ui_View");
    view->setAttribute(Qt::WA_TranslucentBackground, true);
    view->setClearColor(Qt::transparent);
    view->setSource(scene);
    QQmlContext* context = view->rootContext();
    context->setContextProperty("ui_View", view);
    context->setContextProperty("hid", &window->hid);
    context->setContextProperty("ui_Ctl", this);
    KeyboardFocus::install(window, view);

    window->resize(view->size());
    window->setWindowTitle(windowTitleFromSettings());
    // What a screen reader says while the scene itself has the focus.
    view->setAccessibleName(window->windowTitle());
    window->installEventFilter(this);
}

bool Ui_Controler::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window && (event->type() == QEvent::Show || event->type() == QEvent::Hide ||
                              event->type() == QEvent::WindowStateChange))
        updateWindowShown();
    return QObject::eventFilter(watched, event);
}

void Ui_Controler::updateWindowShown()
{
    const bool nowShown = window && window->isVisible() && !window->isMinimized();
    if (nowShown == shown)
        return;
    shown = nowShown;
    emit windowShownChanged();
}

void Ui_Controler::onMinimize()
{
    if (window)
        window->close();
}

// While the platform moves the window (see WindowMove), the offsets are not
// applied.
void Ui_Controler::onXChanged(int x)
{
    if (window && WindowMove::of(window)->movesByOffsets())
        window->move(window->x() + x, window->y());
}

void Ui_Controler::onYChanged(int y)
{
    if (window && WindowMove::of(window)->movesByOffsets())
        window->move(window->x(), window->y() + y);
}

void Ui_Controler::setBusy(int busyTime)
{
    if (QQuickItem* root = view ? view->rootObject() : nullptr)
        QMetaObject::invokeMethod(root, "setProtectUI", Qt::DirectConnection,
                                  Q_ARG(QVariant, QVariant(busyTime)));
}
