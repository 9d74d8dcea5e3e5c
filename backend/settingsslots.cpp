// The backend's application-settings slots.
#include "dialogs.h"
#include "languagepacks.h"
#include "languagepackvalid.h"
#include "myqquickview.h"

#include <QFile>
#include <QStandardPaths>

namespace {
constexpr char SkinRoot[] = "./modules/img";
} // namespace

void myQQuickView::saveApConfig(QVariantList apConfigs)
{
    noteWrite(apConfig.save(apConfigs) ? QString() : apConfig.fileName());
}

QVariantList myQQuickView::loadApConfig()
{
    return apConfig.load();
}

void myQQuickView::resetApconfig()
{
    noteWrite(apConfig.reset() ? QString() : apConfig.fileName());
}

bool myQQuickView::getIsSkinShow()
{
    return hasSkinChoice(SkinRoot);
}

QString myQQuickView::getCustomFilePath()
{
    const QString chosen = dialogs->openFileName(
        this, tr("Open File"), QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
        tr("Image Files(*.png)"));
    if (chosen.isEmpty())
        return QString();
    QFile picture(chosen);
    if (picture.open(QIODevice::ReadOnly))
        return chosen;
    dialogs->warn(msgList.value(2), QStringLiteral("%1%2").arg(msgList.value(3), chosen));
    return QString();
}

// Every installed pack: the stored language choice is a place in this list.
QVariantMap myQQuickView::chkLanguages()
{
    return LanguagePacks().list();
}

// The packs that pass their check, the ones the scene offers: choosing one of
// them never stops the keyboard's traffic.
QVariantMap myQQuickView::chkValidLanguages()
{
    return LanguagePacks().validList();
}

QStringList myQQuickView::getGlobalStrings(QString langCode)
{
    const LanguagePack pack = LanguagePacks().load(langCode);
    msgList = pack.messages;
    languagePackValid = pack.valid;
    return pack.strings;
}
