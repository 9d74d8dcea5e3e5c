#pragma once

// A backend view on a private copy of the data tree, driving the virtual
// keyboard, with dialogs answered by the test.
#include "devicetable.h"
#include "hid_thread.h"
#include "myqquickview.h"
#include "scripteddialogs.h"
#include "virtualkeyboard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

struct BackendRig
{
    QTemporaryDir dir;
    VirtualKeyboard keyboard;
    std::unique_ptr<Hid_Thread> hid;
    std::unique_ptr<myQQuickView> view;
    ScriptedDialogs dialogs;

    // `hardwareDefinition` replaces the shipped HWDef.bin when not empty.
    explicit BackendRig(const QByteArray& hardwareDefinition = {},
                        const VirtualKeyboardConfig& config = {})
        : keyboard(config)
    {
        copyShippedData();
        if (!hardwareDefinition.isEmpty())
            writeFile("modules/setting/HWDef.bin", hardwareDefinition);
        QDir::setCurrent(dir.path());
        hid = std::make_unique<Hid_Thread>(keyboard);
        hid->scanDevices(readDeviceTable(DeviceTableResource, {}));
        view = std::make_unique<myQQuickView>();
        view->hidThread = hid.get();
        view->setDialogs(&dialogs);
    }

    ~BackendRig()
    {
        view.reset();
        hid.reset();
        QDir::setCurrent(QCoreApplication::applicationDirPath());
    }

    void writeFile(const QString& relative, const QByteArray& text)
    {
        QFile file(dir.filePath(relative));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

    QByteArray readFile(const QString& relative) const
    {
        QFile file(dir.filePath(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    bool settle()
    {
        for (int i = 0; i < 500 && !hid->isIdle(); ++i)
            QTest::qWait(5);
        return hid->isIdle();
    }

    // Every feature report sent, and the payload (output reports joined,
    // report IDs removed) that followed each.
    QList<QByteArray> commandsSent() const
    {
        QList<QByteArray> result;
        for (const CapturedReport& r : keyboard.capture())
            if (r.direction == ReportDirection::FeatureOut)
                result << r.bytes;
        return result;
    }
    QList<QByteArray> payloadsSent() const
    {
        QList<QByteArray> result;
        for (const CapturedReport& r : keyboard.capture()) {
            if (r.direction == ReportDirection::FeatureOut)
                result << QByteArray();
            else if (r.direction == ReportDirection::Out && !result.isEmpty())
                result.last() += r.bytes.mid(1);
        }
        return result;
    }

private:
    void copyShippedData()
    {
        const QString shipped = QCoreApplication::applicationDirPath() + "/modules/setting/";
        QDir(dir.path()).mkpath("modules/setting");
        QDir(dir.path()).mkpath("modules/macro");
        QDir(dir.path()).mkpath("modules/i18n");
        const QDir packs(QCoreApplication::applicationDirPath() + "/modules/i18n");
        for (const QString& pack : packs.entryList(QDir::Files))
            QFile::copy(packs.filePath(pack), dir.filePath("modules/i18n/" + pack));
        for (const char* name :
             {"HWDef.bin", "KeyCodeDef.bin", "pD.bin", "apConfig.bin", "apConfigD.bin"})
            QFile::copy(shipped + name, dir.filePath(QString("modules/setting/") + name));
    }
};
