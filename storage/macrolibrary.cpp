#include "macrolibrary.h"

#include <QFile>
#include <QSettings>

MacroLibrary::MacroLibrary(const QString& directory) : directory(directory) {}

QString MacroLibrary::fileFor(const QString& name) const
{
    if (name.isEmpty() || name == "." || name == ".." || name.contains('/') || name.contains('\\'))
        return QString();
    return directory + '/' + name + ".bin";
}

QStringList MacroLibrary::steps(const QString& name) const
{
    const QString path = fileFor(name);
    if (path.isEmpty() || !QFile::exists(path))
        return {};
    const QSettings macro(path, QSettings::IniFormat);
    QStringList result;
    const int total = macro.value("config/total", 0).toInt();
    for (int i = 0; i < total; ++i)
        result.append(macro.value("macro/" + QString::number(i), "0").toString());
    return result;
}
