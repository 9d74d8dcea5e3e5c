#include "commandline.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {

const QCommandLineOption
    VirtualKeyboardOption("virtual-keyboard",
                          "Drive the built-in virtual keyboard instead of USB devices.");
const QCommandLineOption
    CaptureOption("capture", "With --virtual-keyboard: write every report that crosses it to FILE.",
                  "FILE");
const QCommandLineOption
    VirtualLayoutOption("virtual-layout",
                        "With --virtual-keyboard: the layout it reports, 0 (ISO, the default) "
                        "or 1 (ANSI).",
                        "MODE");
const QCommandLineOption HelpOption(QStringList{"h", "help"}, "Show this help.");
const QCommandLineOption VersionOption(QStringList{"v", "version"}, "Show the program's version.");

// `q3config help` asks for the same as `q3config --help`.
const QString HelpWord = QStringLiteral("help");

void addOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        "Configuration utility for the Q3 gaming keyboard.\n"
        "Without a window: q3config <command> [options], the commands info, profile,\n"
        "lighting, colors, keys and macro; q3config <command> --help tells more.");
    parser.addOption(VirtualKeyboardOption);
    parser.addOption(CaptureOption);
    parser.addOption(VirtualLayoutOption);
    parser.addOption(HelpOption);
    parser.addOption(VersionOption);
}

} // namespace

QString CommandLine::version()
{
    return QStringLiteral("q3config " Q3_VERSION "\n");
}

QString CommandLine::usage()
{
    QCommandLineParser parser;
    addOptions(parser);
    return parser.helpText();
}

CommandLine CommandLine::parse(const QStringList& arguments)
{
    CommandLine result;
    QCommandLineParser parser;
    addOptions(parser);
    if (!parser.parse(arguments)) {
        result.outcome = Outcome::Error;
        result.error = parser.errorText();
        return result;
    }
    if (parser.isSet(HelpOption) || parser.positionalArguments().value(0) == HelpWord) {
        result.outcome = Outcome::ShowHelp;
        return result;
    }
    if (parser.isSet(VersionOption)) {
        result.outcome = Outcome::ShowVersion;
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.outcome = Outcome::Error;
        result.error =
            QStringLiteral("Unexpected argument: %1").arg(parser.positionalArguments().first());
        return result;
    }
    result.virtualKeyboard = parser.isSet(VirtualKeyboardOption);
    if (parser.isSet(VirtualLayoutOption)) {
        const QString mode = parser.value(VirtualLayoutOption);
        if (!result.virtualKeyboard || (mode != "0" && mode != "1")) {
            result.outcome = Outcome::Error;
            result.error =
                result.virtualKeyboard
                    ? QStringLiteral("--virtual-layout takes 0 or 1, not \"%1\".").arg(mode)
                    : QStringLiteral("--virtual-layout needs --virtual-keyboard.");
            return result;
        }
        result.virtualLayout = quint8(mode.toInt());
    }
    if (parser.isSet(CaptureOption)) {
        if (!result.virtualKeyboard) {
            result.outcome = Outcome::Error;
            result.error = QStringLiteral("--capture needs --virtual-keyboard.");
            return result;
        }
        // Resolved now: the program changes its working directory later.
        result.capturePath = QFileInfo(parser.value(CaptureOption)).absoluteFilePath();
    }
    return result;
}
