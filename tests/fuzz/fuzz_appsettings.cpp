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
    if (saved)
        check(!isDamagedDataFile(path, DataFileKind::Settings),
              "saved settings pass the start-up check");
    return 0;
}
