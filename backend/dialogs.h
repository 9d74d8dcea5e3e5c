#pragma once

#include <QString>

class QWidget;

// The modal dialogs the backend shows: file choosers and warnings. The
// program uses SystemDialogs; tests answer them without a user.
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // An existing file chosen by the user, or "" when cancelled.
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& directory,
                                 const QString& filter) = 0;
    // A file name to write, or "" when cancelled; the user has already agreed
    // to replace an existing file.
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& directory,
                                 const QString& filter) = 0;
    // A warning box without parent and with a single OK button.
    virtual void warn(const QString& title, const QString& text) = 0;
};

class SystemDialogs : public Dialogs
{
public:
    QString openFileName(QWidget* parent, const QString& caption, const QString& directory,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& directory,
                         const QString& filter) override;
    void warn(const QString& title, const QString& text) override;
};
