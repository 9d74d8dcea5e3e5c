// Test helper for tst_crashsafety: repeats one of the program's file writes
// until it is killed. Usage: crashwriter MODE ROOT
//
// Below ROOT it makes "work/" (the files the writes replace) and "src/" (the
// sources they copy from), performs the write once for each of its two
// outcomes and stores the files it watches after each as "ref0/" and "ref1/",
// prints "ready" and then alternates the two writes for ever. Killed at any
// moment, every watched file under "work/" must equal its "ref0/" or "ref1/"
// version; a watched "any.bin" stands for every "*.bin" file of its folder.
// The sources are large so that a kill lands inside a write.
#include "appsettings.h"
#include "filecopy.h"
#include "macrolibrary.h"
#include "profilestore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTextStream>
#include <functional>

namespace {

constexpr int Lines = 12000; // about 0.8 MB per source file
const QString MacroName = QStringLiteral("Macro. 001");
const QString OtherMacroName = QStringLiteral("Macro. 002");

// An INI text of `Lines` entries whose values carry `fill`.
QByteArray iniText(const QByteArray& group, char fill)
{
    QByteArray text = "[" + group + "]\n";
    for (int i = 0; i < Lines; ++i)
        text += "k" + QByteArray::number(i) + "=" + QByteArray(60, fill) + "\n";
    return text;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QStringList steps(char fill)
{
    QStringList list;
    for (int i = 0; i < Lines; ++i)
        list << QString(40, QLatin1Char(fill));
    return list;
}

struct Mode
{
    QStringList watched; // below "work/"
    std::function<void(int)> step;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const QDir root(QString::fromLocal8Bit(argv[2]));
    const QString work = root.filePath("work");
    const QString src = root.filePath("src");
    const QString profile0 = src + "/profile0.bin", profile1 = src + "/profile1.bin";
    if (!writeFile(profile0, iniText("keys", 'a')) || !writeFile(profile1, iniText("keys", 'b')) ||
        !writeFile(work + "/factory/pD.bin", iniText("keys", 'f')) ||
        !writeFile(work + "/factory/apConfig.bin", iniText("common", 'f')) ||
        !writeFile(src + "/macro0.bin", "[config]\nindex=0\ntotal=0\n" + iniText("macro", 'x')) ||
        !writeFile(src + "/macro1.bin", "[config]\nindex=0\ntotal=0\n" + iniText("macro", 'y')))
        return 3;
    QDir().mkpath(work + "/setting");
    QDir().mkpath(work + "/macro");
    QDir().mkpath(work + "/export");

    ProfileStore profiles(work + "/setting", work + "/factory");
    profiles.open(1);
    MacroLibrary macros(work + "/macro");
    macros.create();
    int exports = 0;
    const QString settingsFile = work + "/setting/apConfig.bin";
    const QString settingsFactory = work + "/factory/apConfig.bin";

    const QHash<QString, Mode> modes{
        {"profile-import",
         {{"setting/p1.bin"},
          [&](int i) {
              profiles.importFrom(0, i ? profile1 : profile0);
          }}},
        {"profile-reset",
         {{"setting/p1.bin"},
          [&](int i) {
              i ? profiles.reset(0) : profiles.importFrom(0, profile0);
          }}},
        {"profile-export",
         {{"setting/p1.bin", "export/profile.bin"},
          [&](int i) {
              profiles.importFrom(0, i ? profile1 : profile0);
              profiles.exportTo(0, work + "/export/profile.bin");
          }}},
        {"profile-apply",
         {{"setting/p1.bin"},
          [&](int i) {
              QSettings* profile = profiles.at(0);
              for (int k = 0; k < Lines; ++k)
                  profile->setValue("keys/k" + QString::number(k), QString(60, i ? 'd' : 'c'));
              profile->sync();
          }}},
        {"settings-reset",
         {{"setting/apConfig.bin"},
          [&](int i) {
              AppSettings settings(settingsFile, settingsFactory);
              if (i)
                  settings.reset();
              else
                  settings.save(QVariantList(Lines, QString(60, 's')));
          }}},
        {"macro-save",
         {{"macro/" + MacroName + ".bin"},
          [&](int i) {
              macros.saveSteps(MacroName, steps(i ? 'n' : 'm'));
          }}},
        {"macro-import",
         {{"macro/" + MacroName + ".bin"},
          [&](int i) {
              macros.importFrom(MacroName, src + (i ? "/macro1.bin" : "/macro0.bin"));
          }}},
        {"macro-export",
         {{"export/any.bin"},
          [&](int i) {
              const QString target = work + "/export/" + QString::number(exports++) + ".bin";
              macros.exportTo(i ? OtherMacroName : MacroName, target);
          }}},
    };
    if (!modes.contains(mode))
        return 2;
    const Mode& chosen = modes[mode];
    if (mode == "settings-reset")
        replaceWithCopy(settingsFile, settingsFactory);
    if (mode == "macro-export") {
        macros.importFrom(MacroName, src + "/macro0.bin");
        macros.importFrom(macros.create(), src + "/macro1.bin");
    }

    for (int i = 0; i < 2; ++i) {
        chosen.step(i);
        for (const QString& file : chosen.watched) {
            const QString ref = root.filePath("ref" + QString::number(i) + '/' + file);
            QDir().mkpath(QFileInfo(ref).path());
            const QString written = file == "export/any.bin"
                                        ? work + "/export/" + QString::number(exports - 1) + ".bin"
                                        : work + '/' + file;
            if (!QFile::copy(written, ref))
                return 3;
        }
    }
    QTextStream(stdout) << "ready" << Qt::endl;
    for (int i = 0;; i = 1 - i)
        chosen.step(i);
}
