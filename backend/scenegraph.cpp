#include "scenegraph.h"

#include <QQuickWindow>
#include <QtGlobal>

void chooseSceneGraphBackend()
{
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}
