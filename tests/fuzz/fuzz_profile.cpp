// A profile file, imported as a user's profile and taken as the factory
// profile: every value the backend reads from it and the byte blocks those
// values become, the damage check, the export, and the write the event loop
// makes when the keyboard's lighting changes.
#include "datafilecheck.h"
#include "devicepayloads.h"
#include "fuzzsupport.h"
#include "profilestore.h"
#include "protocol.h"

namespace {

constexpr int Layouts = 4; // the layout modes command 80 can report
constexpr int PictureValues = Protocol::PicturePlanes * Protocol::KeyMatrixSlots;

void check(bool condition, const char* what)
{
    if (!condition)
        qFatal("fuzz_profile: %s", what);
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The key page: one [code, modifier] pair per matrix slot of a layout.
void readKeyMatrix(const QSettings& profile, int layout)
{
    const QString group = QStringLiteral("keydefine") + QString::number(layout) + QLatin1Char('/');
    QVariantList src256;
    for (int m = 0; m < Protocol::KeyMatrixSlots; ++m) {
        const QVariantList pair = profile.value(group + QString::number(m)).toList();
        src256 << pair.value(0, 0) << pair.value(1, 0);
    }
    check(DevicePayloads::keyMatrixBlock(src256).size() == 2 * Protocol::KeyMatrixHalfLength,
          "key matrix block");
}

// The lighting pages: the lighting record, the seven colours and the pictures.
void readLighting(const QSettings& profile)
{
    profile.value(QStringLiteral("color/ledType")).toList();
    const QVariantList colors = profile.value(QStringLiteral("color/color")).toList();
    check(DevicePayloads::sevenColorBlock(colors).size() == Protocol::SevenColorLength,
          "seven-colour block");
    for (int i = 0; i < Protocol::PictureCount; ++i) {
        QVariantList picture =
            profile.value(QStringLiteral("userPicture/") + QString::number(i)).toList();
        if (picture.size() != PictureValues)
            picture = QVariantList(PictureValues, 0);
        for (const QByteArray& plane : DevicePayloads::picturePlanes(picture))
            check(plane.size() == Protocol::PicturePlaneLength, "picture plane");
    }
}

void readProfile(const QSettings& profile)
{
    for (int layout = 0; layout < Layouts; ++layout)
        readKeyMatrix(profile, layout);
    readLighting(profile);
}

void readFactoryValues(const ProfileStore& store)
{
    for (const char* key : {"color/ledType", "color/color", "keydefine0/0", "userPicture/0"})
        store.factoryValue(QString::fromLatin1(key)).toList();
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
    const QString source = directory + QStringLiteral("/import.pf");
    Fuzz::writeFile(source, data, size);
    Fuzz::writeFile(directory + QStringLiteral("/pD.bin"), data, size);
    const bool damaged = isDamagedDataFile(source, DataFileKind::Profile);

    ProfileStore store(directory, directory);
    store.open(3);
    check(store.importFrom(0, source), "import");
    readProfile(*store.at(0));
    readFactoryValues(store);

    const QString exported = directory + QStringLiteral("/export.pf");
    check(store.exportTo(0, exported), "export");
    check(contents(exported) == contents(source), "an export is the imported file");

    // The event loop's lighting write rewrites the whole file.
    const QVariantList lighting{1, 2, 3, 4, 5, 6, 7};
    store.at(0)->setValue(QStringLiteral("color/ledType"), lighting);
    store.at(0)->sync();
    if (damaged || store.at(0)->status() != QSettings::NoError)
        return 0;
    Fuzz::touch(store.fileName(0));
    check(!isDamagedDataFile(store.fileName(0), DataFileKind::Profile),
          "a sound profile stays sound when the program writes it");
    const QSettings reread(store.fileName(0), QSettings::IniFormat);
    check(reread.value(QStringLiteral("color/ledType")).toStringList() ==
              QStringList{"1", "2", "3", "4", "5", "6", "7"},
          "the lighting written reads back");
    return 0;
}
