#pragma once

// The backend's dialogs answered by a test: every file chooser gives
// `nextFile` ("" cancels) and is recorded as "caption|filter"; warnings are
// recorded as "title|text".
#include "dialogs.h"

#include <QStringList>

class ScriptedDialogs : public Dialogs
{
public:
    QString nextFile; // answer of the next file chooser; "" cancels
    QStringList warnings;
    QStringList captions;

    QString openFileName(QWidget*, const QString& caption, const QString&,
                         const QString& filter) override
    {
        captions << caption + '|' + filter;
        return nextFile;
    }
    QString saveFileName(QWidget*, const QString& caption, const QString&,
                         const QString& filter) override
    {
        captions << caption + '|' + filter;
        return nextFile;
    }
    void warn(const QString& title, const QString& text) override
    {
        warnings << title + '|' + text;
    }
};
