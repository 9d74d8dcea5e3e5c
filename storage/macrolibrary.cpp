#include "macrolibrary.h"

#include "filecopy.h"
#include "settingswrite.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <array>
#include <utility>

namespace {

constexpr int NoSlot = -1;
constexpr int DefaultRepeat = 1;
constexpr int NeverAssigned = -1;
constexpr int SlotTableSize = 256;
// Far more steps than a keyboard slot holds; bounds what a damaged step
// count in an imported file can make the library read.
constexpr int MaxSteps = 65536;
constexpr char Suffix[] = ".bin";

int readSlot(const QSettings& macro)
{
    bool ok = false;
    const int slot = macro.value("config/index", NoSlot).toInt(&ok);
    return ok ? slot : NoSlot;
}

} // namespace

MacroLibrary::MacroLibrary(const QString& directory) : directory(directory) {}

QString MacroLibrary::defaultName(int number)
{
    return QStringLiteral("Macro. ") + QString::number(number).rightJustified(3, QLatin1Char('0'));
}

QString MacroLibrary::fileFor(const QString& name) const
{
    if (name.isEmpty() || name == "." || name == ".." || name.contains('/') || name.contains('\\'))
        return QString();
    return directory + '/' + name + Suffix;
}

bool MacroLibrary::exists(const QString& name) const
{
    const QString path = fileFor(name);
    return !path.isEmpty() && QFileInfo(path).isFile();
}

QStringList MacroLibrary::fileNames() const
{
    return QDir(directory).entryList({QStringLiteral("*.bin")}, QDir::Files,
                                     QDir::Name | QDir::IgnoreCase);
}

void MacroLibrary::writeNewFile(const QString& path, int slot)
{
    QSettings macro(path, QSettings::IniFormat);
    macro.setValue("config/index", slot);
    macro.setValue("config/total", 0);
    macro.setValue("config/repeat", DefaultRepeat);
    macro.setValue("config/did", NeverAssigned);
    noteWrite(writeThrough(macro), path);
}

bool MacroLibrary::noteWrite(bool written, const QString& path)
{
    if (!written && writeFailure.isEmpty())
        writeFailure = path;
    return written;
}

QString MacroLibrary::takeWriteFailure()
{
    return std::exchange(writeFailure, QString());
}

void MacroLibrary::repair(int slotCount)
{
    QDir().mkpath(directory);
    std::array<bool, SlotTableSize> taken{};
    QStringList removals;
    for (const QString& fileName : fileNames()) {
        const QString path = directory + '/' + fileName;
        const int slot = readSlot(QSettings(path, QSettings::IniFormat));
        if (slot >= 0 && slot < qMin(slotCount, SlotTableSize) && !taken[slot])
            taken[slot] = true;
        else
            removals << path;
    }
    for (const QString& path : removals) {
        qDebug().nospace() << "REMOVE: " << path;
        QFile::remove(path);
    }
    int nextNumber = 1;
    for (int slot = 0; slot < qMin(slotCount, SlotTableSize); ++slot) {
        if (taken[slot])
            continue;
        nextNumber = qMax(nextNumber, slot + 1);
        while (QFileInfo::exists(fileFor(defaultName(nextNumber))))
            ++nextNumber;
        writeNewFile(fileFor(defaultName(nextNumber)), slot);
    }
}

QString MacroLibrary::create()
{
    int number = 1;
    while (QFileInfo::exists(fileFor(defaultName(number))))
        ++number;
    const QString name = defaultName(number);
    writeNewFile(fileFor(name), NoSlot);
    return name;
}

bool MacroLibrary::remove(const QString& name)
{
    return exists(name) && QFile::remove(fileFor(name));
}

QStringList MacroLibrary::steps(const QString& name) const
{
    if (!exists(name))
        return {};
    const QSettings macro(fileFor(name), QSettings::IniFormat);
    QStringList result;
    const int total = qBound(0, macro.value("config/total", 0).toInt(), MaxSteps);
    for (int i = 0; i < total; ++i)
        result.append(macro.value("macro/" + QString::number(i), "0").toString());
    return result;
}

bool MacroLibrary::saveSteps(const QString& name, const QStringList& steps)
{
    if (!exists(name))
        return false;
    QSettings macro(fileFor(name), QSettings::IniFormat);
    macro.remove("macro");
    macro.setValue("config/total", int(steps.size()));
    for (int i = 0; i < steps.size(); ++i)
        macro.setValue("macro/" + QString::number(i), steps[i]);
    return noteWrite(writeThrough(macro), fileFor(name));
}

int MacroLibrary::slotOf(const QString& name) const
{
    return exists(name) ? readSlot(QSettings(fileFor(name), QSettings::IniFormat)) : NoSlot;
}

QVariantList MacroLibrary::config(const QString& name) const
{
    if (!exists(name))
        return {};
    const QSettings macro(fileFor(name), QSettings::IniFormat);
    return {macro.value("config/index", NoSlot).toInt(),
            macro.value("config/repeat", DefaultRepeat).toInt()};
}

void MacroLibrary::setConfig(const QString& name, const QVariantList& config, uint deviceId)
{
    if (!exists(name) || config.size() < 2)
        return;
    QSettings macro(fileFor(name), QSettings::IniFormat);
    macro.setValue("config/index", config[0]);
    macro.setValue("config/repeat", config[1]);
    macro.setValue("config/did", deviceId);
    noteWrite(writeThrough(macro), fileFor(name));
}

bool MacroLibrary::rename(const QString& oldName, const QString& newName)
{
    const QString target = fileFor(newName);
    if (!exists(oldName) || target.isEmpty() || QFileInfo::exists(target))
        return false;
    return QFile::rename(fileFor(oldName), target);
}

bool MacroLibrary::importFrom(const QString& name, const QString& source)
{
    if (!exists(name) || source.isEmpty())
        return false;
    const QString path = fileFor(name);
    if (isSameFile(path, source))
        return true;
    if (!QFileInfo(source).isFile())
        return false;
    return noteWrite(replaceWithCopy(path, source), path);
}

bool MacroLibrary::exportTo(const QString& name, const QString& target) const
{
    return exists(name) && !target.isEmpty() && !QFileInfo::exists(target) &&
           replaceWithCopy(target, fileFor(name));
}
