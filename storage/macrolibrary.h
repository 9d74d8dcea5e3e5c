#pragma once

#include <QString>
#include <QStringList>

// The macro library: one INI file per macro, "<directory>/<name>.bin".
// A macro name is a file name, never a path.
class MacroLibrary
{
public:
    explicit MacroLibrary(const QString& directory = QStringLiteral("./modules/macro"));

    // The file of macro `name`; empty when the name is not a plain file name
    // (empty, ".", "..", or containing "/" or "\").
    QString fileFor(const QString& name) const;

    // The steps of macro `name`; empty when it has no file. A missing step
    // reads as "0".
    QStringList steps(const QString& name) const;

private:
    QString directory;
};
