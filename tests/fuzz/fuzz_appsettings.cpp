// The application settings file: the settings page's list, the device names
// and the device table they name, the damage check, and a save of what was
// read.
#include "appsettings.h"
#include "datafilecheck.h"
#include "devicetable.h"
#include "fuzzsupport.h"

namespace {

void check(bool condition, const char* what)
{
    if (!condition)
        qFatal("fuzz_appsettings: %s", what);
}

// A value as the settings page sees it: a string, or a list of strings (QSettings
// reads a list back as a QVariantList when one of its strings needed quoting).
QStringList asText(const QVariant& value)
{
    const bool isList =
        value.typeId() == QMetaType::QStringList || value.typeId() == QMetaType::QVariantList;
    return isList ? QStringList{QStringLiteral("list")} + value.toStringList()
                  : QStringList{value.toString()};
}

QList<QStringList> asText(const QVariantList& values)
{
    QList<QStringList> text;
    for (const QVariant& value : values)
        text << asText(value);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    Fuzz::initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString directory = Fuzz::freshDirectory();
    const QString path = directory + QStringLiteral("/apConfig.bin");
    Fuzz::writeFile(path, data, size);

    isDamagedDataFile(path, DataFileKind::Settings);
    AppSettings settings(path, directory + QStringLiteral("/apConfigD.bin"));
    const QVariantList values = settings.load();
    const QStringList names = settings.productNames();
    const DeviceTable table = readDeviceTable(DeviceTableResource, names);
    check(!table.isEmpty(), "the embedded device table");
    check(table.first().name == names.value(0), "the first device's name");

    const bool saved = settings.save(values);
    check(settings.load().size() == values.size(), "a saved list reads back whole");
    if (!saved)
        return 0;
    Fuzz::touch(path);
    check(!isDamagedDataFile(path, DataFileKind::Settings),
          "saved settings pass the start-up check");
    const AppSettings reread(path, directory + QStringLiteral("/apConfigD.bin"));
    check(asText(reread.load()) == asText(values), "saved settings read back unchanged");
    return 0;
}
