#pragma once

// What the scene benchmarks share: a private copy of the data tree with sound
// and animations off, the program's window started on it, and waiting that
// keeps the window open (QApplication::quit would close every window).
#include "programdirectory.h"
#include "testsupport.h"
#include "widget.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

// Runs the event loop for `ms`.
inline void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Makes a copy of the program's data tree the current directory for its
// lifetime: sound off (the background music costs CPU too), animations off
// (the power-on is quick).
class QuietDataCopy
{
public:
    QuietDataCopy()
    {
        enterProgramDirectory(QCoreApplication::applicationFilePath());
        copyTree(QDir::current().filePath("modules"), data.filePath("modules"));
        {
            QSettings settings(data.filePath("modules/setting/apConfig.bin"), QSettings::IniFormat);
            settings.setValue("common/2", 1);
            settings.setValue("common/3", 1);
        }
        QDir::setCurrent(data.path());
    }

private:
    QTemporaryDir data;
};

// Shows `window` as the program does and waits for the power-on.
inline void startWindow(Widget& window)
{
    window.checkDevice();
    window.showNormal();
    window.startUp();
    settle(1500);
}
