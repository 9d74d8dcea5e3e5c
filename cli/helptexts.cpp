// The help texts of the command line.
#include "commands.h"
#include "lightingrecord.h"
#include "mediafunctions.h"

namespace {

const char CommonOptions[] =
    "  --virtual-keyboard  use the built-in virtual keyboard instead of USB devices\n"
    "  --capture FILE      with --virtual-keyboard: write every report to FILE\n"
    "  --help              show this help\n";

QString mediaList()
{
    QStringList names;
    for (const MediaFunction& function : mediaFunctions())
        names << comparableName(QString::fromLatin1(function.name)).replace(' ', '-');
    return names.join(", ");
}

} // namespace

namespace Commands {

QString overview()
{
    return QStringLiteral(
        "Usage: q3config <command> [options]\n"
        "Without a command q3config opens its window.\n\n"
        "Commands:\n"
        "  info       the keyboard, its firmware, layout mode, profiles and macro slots\n"
        "  profile    get | set N | export N FILE | import N FILE | reset N\n"
        "  lighting   show or change the lighting effect and the back-lighting\n"
        "  colors     show or change the seven-colour set\n"
        "  keys       list | set KEY=TARGET... | reset\n"
        "  macro      list | show NAME | import NAME FILE | export NAME FILE\n\n"
        "Every command takes --virtual-keyboard, --capture FILE and --help; the\n"
        "reading ones --json. Exit status: 0 done, 1 keyboard absent or an\n"
        "operation failed, 2 wrong command line or value.\n");
}

QString help(const QString& command)
{
    QString text;
    if (command == QLatin1String("info"))
        text = "Usage: q3config info [--json]\n"
               "Whether the keyboard is found, its firmware version and layout mode, the\n"
               "active profile, the number of profiles and of macro slots. Exit 1 when no\n"
               "keyboard is found.\n";
    else if (command == QLatin1String("profile"))
        text = "Usage: q3config profile get [--json]\n"
               "       q3config profile set N\n"
               "       q3config profile export N FILE\n"
               "       q3config profile import N FILE\n"
               "       q3config profile reset N\n"
               "Profiles are numbered from 1. set makes N the keyboard's active profile.\n"
               "export copies profile N's file to FILE (replacing it); import replaces\n"
               "profile N by FILE, an exported profile; reset returns it to the factory\n"
               "profile. An import or reset of the active profile sends it to the keyboard\n"
               "again, as the window does.\n";
    else if (command == QLatin1String("lighting"))
        text =
            QStringLiteral(
                "Usage: q3config lighting [--json]\n"
                "       q3config lighting [--effect NAME|CODE] [--speed 1-7] [--brightness 0-7]\n"
                "                         [--direction left|right] [--color 0-6|loop]\n"
                "                         [--backlight-effect 0-3] [--backlight-speed 1-7]\n"
                "                         [--backlight-brightness 0-7]\n"
                "                         [--backlight-direction left|right]\n"
                "                         [--backlight-color 0-6|loop]\n"
                "Without options shows the active profile's lighting. With options reads it\n"
                "from the keyboard, changes only what is given and writes it as the lighting\n"
                "pages' apply does. Speed 1 is the fastest. Effects: %1.\n")
                .arg(Lighting::typedEffectNames());
    else if (command == QLatin1String("colors"))
        text = "Usage: q3config colors [--json]\n"
               "       q3config colors #RRGGBB #RRGGBB #RRGGBB #RRGGBB #RRGGBB #RRGGBB #RRGGBB\n"
               "       q3config colors N=#RRGGBB...\n"
               "Shows or sets the seven colours (numbered 0 to 6) the effects use. The\n"
               "keyboard keeps each channel in steps of 4.\n";
    else if (command == QLatin1String("keys"))
        text = QStringLiteral(
                   "Usage: q3config keys list [--json]\n"
                   "       q3config keys set KEY=TARGET...\n"
                   "       q3config keys reset\n"
                   "KEY is a key name as the key page shows it (Esc, F1, A, Caps Lock, L-Ctrl).\n"
                   "TARGET is a key name, a media function, macro:NAME or none. set writes the\n"
                   "whole key matrix of the active profile, reset returns every key to its\n"
                   "factory function. Media functions: %1.\n")
                   .arg(mediaList());
    else if (command == QLatin1String("macro"))
        text = "Usage: q3config macro list [--json]\n"
               "       q3config macro show NAME [--json]\n"
               "       q3config macro import NAME FILE\n"
               "       q3config macro export NAME FILE\n"
               "NAME is a macro of the library (see macro list). import replaces it by FILE,\n"
               "an exported macro; export copies it to FILE, which must not exist.\n";
    return text + "\nOptions:\n" + CommonOptions;
}

} // namespace Commands
