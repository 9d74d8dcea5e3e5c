// The definition tables: the input as HWDef.bin and as KeyCodeDef.bin, read
// by every reader of storage/definitiontables.h.
#include "definitiontables.h"
#include "fuzzsupport.h"

namespace {

constexpr int ItemsPerKey = 6; // x, y, key type, label, matrix slot, factory code

void check(bool condition, const char* what)
{
    if (!condition)
        qFatal("fuzz_definitiontables: %s", what);
}

void readHardwareDefinition(const QString& path)
{
    const HardwareLimits limits = readHardwareLimits(path);
    check(limits.maxMacro <= HardwareLimits::MaxMacros, "macro count limit");
    check(limits.maxProfile <= HardwareLimits::MaxProfiles, "profile count limit");
    // The layout the keyboard reports may be any of the four modes; the
    // file's own layout type as well.
    for (quint8 layout : {quint8(0), quint8(1), quint8(2), quint8(3), limits.kbLayoutType}) {
        const QVariantList drawing = readHardwareDrawing(path, layout);
        check(drawing.size() >= 2, "the two counts");
        const int keys = drawing[0].toInt();
        check(drawing.size() == 2 + ItemsPerKey * qMax(keys, 0), "six items per drawn key");
    }
}

void readKeyCodeDefinition(const QString& path)
{
    const QVariantList names = readKeyCodeList(path, QStringLiteral("usbStr"));
    const QVariantList codes = readKeyCodeList(path, QStringLiteral("usbCode"));
    const QMap<QString, quint8> table = readKeyNameTable(path);
    check(table.size() <= qMin(names.size(), codes.size()), "one name per pair");
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
    const QString hardware = directory + QStringLiteral("/HWDef.bin");
    const QString keyCodes = directory + QStringLiteral("/KeyCodeDef.bin");
    Fuzz::writeFile(hardware, data, size);
    Fuzz::writeFile(keyCodes, data, size);
    readHardwareDefinition(hardware);
    readKeyCodeDefinition(keyCodes);
    return 0;
}
