#include "dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

QString SystemDialogs::openFileName(QWidget* parent, const QString& caption,
                                    const QString& directory, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, caption, directory, filter);
}

QString SystemDialogs::saveFileName(QWidget* parent, const QString& caption,
                                    const QString& directory, const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, caption, directory, filter);
}

void SystemDialogs::warn(const QString& title, const QString& text)
{
    QMessageBox::warning(nullptr, title, text, QMessageBox::Ok);
}
