// A macro file, as found in the macro directory and as imported: its steps
// and configuration, the damage check, the encoding into the keyboard's
// macro buffer, a save of the steps read, and the start-up repair.
#include "datafilecheck.h"
#include "definitiontables.h"
#include "fuzzsupport.h"
#include "macroencoder.h"
#include "macrolibrary.h"

namespace {

// Few slots: the repair writes a new file for every free one.
constexpr int SlotCount = 2;
// The library reads a damaged step count as up to 65536 steps, which is
// meant; saving that many and checking them again takes seconds under the
// sanitizers, so longer lists skip the round trip (the macro page's tests
// save such a list).
constexpr int MaxRoundTripSteps = 4096;

void check(bool condition, const char* what)
{
    if (!condition)
        qFatal("fuzz_macros: %s", what);
}

const QMap<QString, quint8>& keyNames()
{
    static const QMap<QString, quint8> table = readKeyNameTable(Q3_KEY_CODE_DEFINITION);
    return table;
}

// Header word first, end word last, whole words; the buffer always 128 bytes.
void encode(const QStringList& steps)
{
    const QList<uchar> encoded = encodeMacro(steps, keyNames());
    check(encoded.size() >= 4 && encoded.size() % 2 == 0, "whole words");
    check(encoded[0] == MacroFormat::HeaderWord[0] && encoded[1] == MacroFormat::HeaderWord[1],
          "header word");
    check(encoded[encoded.size() - 2] == MacroFormat::EndWord[0] &&
              encoded[encoded.size() - 1] == MacroFormat::EndWord[1],
          "end word");
    check(macroBuffer(encoded).size() == MacroFormat::BufferLength, "buffer length");
}

void readMacro(const MacroLibrary& library, const QString& name)
{
    const QStringList steps = library.steps(name);
    library.config(name);
    library.slotOf(name);
    encode(steps);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    Fuzz::initialize(argc, argv);
    check(!keyNames().isEmpty(), "the shipped key-code definition");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString directory = Fuzz::freshDirectory();
    const QString source = directory + QStringLiteral("/import.mc");
    Fuzz::writeFile(source, data, size);
    isDamagedDataFile(source, DataFileKind::Macro);

    MacroLibrary library(directory + QStringLiteral("/macro"));
    library.repair(0);
    const QString found = MacroLibrary::defaultName(1);
    Fuzz::writeFile(library.fileFor(found), data, size);
    check(library.fileNames().size() == 1, "the macro listed");
    readMacro(library, found);

    const QString imported = library.create();
    check(library.importFrom(imported, source), "import");
    readMacro(library, imported);

    // A file QSettings cannot parse is never written over, so a save may fail.
    const QStringList steps = library.steps(imported);
    if (steps.size() <= MaxRoundTripSteps && library.saveSteps(imported, steps)) {
        Fuzz::touch(library.fileFor(imported));
        check(library.steps(imported) == steps, "saved steps read back unchanged");
        check(!isDamagedDataFile(library.fileFor(imported), DataFileKind::Macro),
              "a saved macro passes the start-up check");
    }

    library.repair(SlotCount);
    return 0;
}
