// A language pack file: the listing of the pack directory, loading a pack,
// its check string and the display name of its code.
#include "fuzzsupport.h"
#include "languagepacks.h"

#include <cstring>

namespace {

// The pack's code from the input's first bytes, so that names of every
// language and country number are made; always six digits.
QString codeOf(const uint8_t* data, size_t size)
{
    quint32 number = 0;
    std::memcpy(&number, data, qMin(size, sizeof number));
    return QString::number(number % 1000000).rightJustified(6, QLatin1Char('0'));
}

void check(bool condition, const char* what)
{
    if (!condition)
        qFatal("fuzz_languagepacks: %s", what);
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
    const QString code = codeOf(data, size);
    Fuzz::writeFile(directory + QStringLiteral("/lang_") + code + QStringLiteral(".ini"), data,
                    size);

    const LanguagePacks packs(directory);
    const QVariantMap listed = packs.list();
    check(listed.size() == 1, "one pack listed");
    check(listed.first().toString() == code, "the listed code");
    const LanguagePack pack = packs.load(code);
    check(pack.messages.size() == 4, "four messages");
    check(!pack.strings.isEmpty(), "the font family entry");
    check(packs.validList().size() == (pack.valid ? 1 : 0), "valid list agrees with load");

    // The check string of the loaded strings and of counts the file cannot reach.
    qint64 units = 0;
    for (int i = 1; i < pack.strings.size(); ++i)
        units += pack.strings[i].size();
    languagePackCheckString(units);
    qint64 anyCount = 0;
    std::memcpy(&anyCount, data, qMin(size, sizeof anyCount));
    languagePackCheckString(anyCount);

    // Names from the file's text taken as a code.
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    LanguagePacks::displayName(text.left(6));
    packs.load(text.left(6));
    packs.fileFor(text);
    return 0;
}
