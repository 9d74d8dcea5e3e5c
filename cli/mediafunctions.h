#pragma once

#include <QList>
#include <QString>

// The media and browser functions a key can be given, with their key codes
// (category 0x3 in the top nibble, the Consumer page usage below). The key
// page's media list holds the same entries in the same order; a test keeps
// the two in step.
struct MediaFunction
{
    const char* name;
    quint16 keyCode;
};

const QList<MediaFunction>& mediaFunctions();

// The key code of a media name, compared ignoring case, with "-" or "_" for
// blanks ("volume-up", "PLAY / PAUSE", "play/pause"); -1 when unknown.
int mediaKeyCode(const QString& name);
// The name of a media key code; empty when the code is in no entry.
QString mediaName(quint16 keyCode);

// Lower case, "-" and "_" as blanks, runs of blanks and blanks around "/"
// dropped: the form names are compared in.
QString comparableName(const QString& name);
