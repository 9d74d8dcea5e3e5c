#include "dataroots.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr char ModulesFolder[] = "modules";
constexpr char UserFolder[] = "q3config";

DataRoots& currentRoots()
{
    static DataRoots roots;
    return roots;
}

} // namespace

DataRoots::DataRoots() : userDir(dataRoot()) {}

DataRoots DataRoots::locate(const QString& programDirectory, const QString& installedData,
                            const QString& userDataHome)
{
    DataRoots roots;
    roots.dataDir = programDirectory;
    const QString userFolder = QDir::cleanPath(userDataHome + '/' + UserFolder);
    const QFileInfo beside(programDirectory + '/' + ModulesFolder);
    if (beside.isDir()) {
        if (!beside.isWritable())
            roots.userDir = userFolder;
        return roots;
    }
    const QString installed = QDir::cleanPath(programDirectory + '/' + installedData);
    if (QFileInfo(installed + '/' + ModulesFolder).isDir()) {
        roots.dataDir = installed;
        roots.userDir = userFolder;
    }
    return roots;
}

QString DataRoots::userDataHome()
{
    const QString configured = qEnvironmentVariable("XDG_DATA_HOME");
    if (!configured.isEmpty() && QDir::isAbsolutePath(configured))
        return QDir::cleanPath(configured);
    return QDir::homePath() + QStringLiteral("/.local/share");
}

const DataRoots& DataRoots::current()
{
    return currentRoots();
}

void DataRoots::setCurrent(const DataRoots& roots)
{
    currentRoots() = roots;
}
