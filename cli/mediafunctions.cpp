#include "mediafunctions.h"

#include <QRegularExpression>

const QList<MediaFunction>& mediaFunctions()
{
    static const QList<MediaFunction> table{
        {"NEXT TRACK", 0x30B5},   {"PREVIOUS TRACK", 0x30B6}, {"STOP", 0x30B7},
        {"PLAY / PAUSE", 0x30CD}, {"MUTE", 0x30E2},           {"VOLUME UP", 0x30E9},
        {"VOLUME DOWN", 0x30EA},  {"MEDIA SELECT", 0x3183},   {"MAIL", 0x318A},
        {"CALCULATOR", 0x3192},   {"MY COMPUTER", 0x3194},    {"WWW SEARCH", 0x3221},
        {"WWW HOME", 0x3223},     {"WWW BACK", 0x3224},       {"WWW FORWARD", 0x3225},
        {"WWW STOP", 0x3226},     {"WWW REFRESH", 0x3227},    {"WWW FAVORITES", 0x322A},
    };
    return table;
}

QString comparableName(const QString& name)
{
    QString text = name.toLower();
    text.replace('-', ' ').replace('_', ' ');
    static const QRegularExpression blanksAroundSlash(QStringLiteral("\\s*/\\s*"));
    text.replace(blanksAroundSlash, QStringLiteral("/"));
    return text.simplified();
}

int mediaKeyCode(const QString& name)
{
    const QString wanted = comparableName(name);
    for (const MediaFunction& function : mediaFunctions())
        if (comparableName(QString::fromLatin1(function.name)) == wanted)
            return function.keyCode;
    return -1;
}

QString mediaName(quint16 keyCode)
{
    for (const MediaFunction& function : mediaFunctions())
        if (function.keyCode == keyCode)
            return QString::fromLatin1(function.name);
    return {};
}
