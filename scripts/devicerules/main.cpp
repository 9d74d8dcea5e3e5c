// devicerules: writes the files that name q3config's keyboards to the system,
// from the device table the program embeds.
//
//   devicerules udev OUTPUT                 the udev rules file
//   devicerules metainfo TEMPLATE OUTPUT    TEMPLATE with each line holding
//                                           only "@MODALIASES@" replaced by
//                                           the keyboards' <modalias> elements

#include "devicerules.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

namespace {

constexpr char Placeholder[] = "@MODALIASES@";

bool readText(const QString& path, QString& text, QTextStream& err)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text)) {
        err << "devicerules: cannot read " << path << ": " << in.errorString() << '\n';
        return false;
    }
    text = QString::fromUtf8(in.readAll());
    return true;
}

bool writeText(const QString& path, const QString& text, QTextStream& err)
{
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text) ||
        out.write(text.toUtf8()) < 0) {
        err << "devicerules: cannot write " << path << ": " << out.errorString() << '\n';
        return false;
    }
    return true;
}

// Each line that holds only the placeholder becomes the elements, indented
// as the placeholder was.
QString fillTemplate(const QString& text, const DeviceTable& table)
{
    static const QRegularExpression line(
        QStringLiteral("^([ \\t]*)%1[ \\t]*\\n").arg(QLatin1String(Placeholder)),
        QRegularExpression::MultilineOption);
    QString result;
    qsizetype done = 0;
    for (auto it = line.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        result += text.mid(done, match.capturedStart() - done);
        result += modaliasElements(table, match.captured(1));
        done = match.capturedEnd();
    }
    return result + text.mid(done);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    const bool udev = args.size() == 3 && args.at(1) == "udev";
    const bool metainfo = args.size() == 4 && args.at(1) == "metainfo";
    if (!udev && !metainfo) {
        err << "usage: devicerules udev OUTPUT\n"
               "       devicerules metainfo TEMPLATE OUTPUT\n";
        return 2;
    }
    const DeviceTable table = readDeviceTable(DeviceTableResource, {});
    if (table.isEmpty()) {
        err << "devicerules: the device table " << DeviceTableResource << " lists no device\n";
        return 1;
    }
    if (udev)
        return writeText(args.at(2), udevRules(table), err) ? 0 : 1;
    QString text;
    if (!readText(args.at(2), text, err))
        return 1;
    const QString filled = fillTemplate(text, table);
    if (filled == text || filled.contains(QLatin1String(Placeholder))) {
        err << "devicerules: " << args.at(2) << " needs " << Placeholder << " alone on its lines\n";
        return 1;
    }
    return writeText(args.at(3), filled, err) ? 0 : 1;
}
