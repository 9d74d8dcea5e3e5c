#include "languagepacks.h"

#include <QDir>
#include <QRegularExpression>
#include <QSettings>
#include <iterator>

namespace {

struct NumberedName
{
    int number;
    const char* name;
};

// Qt 4.8's QLocale::Language values and languageToString() names: the
// languages we ship and a few likely next ones. Qt 6 renumbered the enum, so
// these numbers are never converted to Qt 6 values.
constexpr NumberedName Qt4Languages[] = {
    {0, "Default"},      {1, "C"},          {8, "Arabic"},      {25, "Chinese"},
    {28, "Czech"},       {29, "Danish"},    {30, "Dutch"},      {31, "English"},
    {36, "Finnish"},     {37, "French"},    {42, "German"},     {43, "Greek"},
    {48, "Hebrew"},      {50, "Hungarian"}, {52, "Indonesian"}, {58, "Italian"},
    {59, "Japanese"},    {66, "Korean"},    {85, "Norwegian"},  {90, "Polish"},
    {91, "Portuguese"},  {95, "Romanian"},  {96, "Russian"},    {111, "Spanish"},
    {114, "Swedish"},    {120, "Thai"},     {125, "Turkish"},   {129, "Ukrainian"},
    {132, "Vietnamese"},
};
constexpr int Qt4LastLanguage = 214; // QLocale::Shambala

// Qt 4.8's QLocale::Country values and countryToString() names (Qt 4 writes
// them without spaces): the countries of the packs we ship and the usual
// regional variants of their languages.
constexpr NumberedName Qt4Countries[] = {
    {0, "Default"},
    {13, "Australia"},
    {14, "Austria"},
    {21, "Belgium"},
    {30, "Brazil"},
    {38, "Canada"},
    {44, "China"},
    {74, "France"},
    {82, "Germany"},
    {97, "HongKong"},
    {106, "Italy"},
    {108, "Japan"},
    {114, "RepublicOfKorea"},
    {126, "Macau"},
    {139, "Mexico"},
    {173, "Portugal"},
    {178, "RussianFederation"},
    {190, "Singapore"},
    {197, "Spain"},
    {206, "Switzerland"},
    {208, "Taiwan"},
    {224, "UnitedKingdom"},
    {225, "UnitedStates"},
};
constexpr int Qt4LastCountry = 246; // QLocale::LatinAmericaAndTheCaribbean

constexpr int CountryNone = 0;
constexpr int CountryChina = 44;
constexpr int CountryTaiwan = 208;

template <size_t Size> QString qt4Name(const NumberedName (&table)[Size], int last, int number)
{
    for (const NumberedName& entry : table) {
        if (entry.number == number)
            return QString::fromLatin1(entry.name);
    }
    if (number < 0 || number > last)
        return QStringLiteral("Unknown");
    return QString::number(number);
}

constexpr int MessageCount = 4;

LanguagePack emptyPack()
{
    LanguagePack pack;
    pack.strings = QStringList{QString()};
    for (int k = 0; k < MessageCount; ++k)
        pack.messages.append(QString());
    pack.valid = false; // the check string of no strings never equals an absent "font/cs"
    return pack;
}

} // namespace

QString languagePackCheckString(qint64 unitCount)
{
    const auto low8 = [](quint64 value) {
        return QString::number(value & 0xFF);
    };
    // S + 74, S - 69 and 70 * S in unsigned arithmetic, which wraps where the
    // signed one would overflow: the low 8 bits are those of the exact results.
    const quint64 units = quint64(unitCount);
    return low8(units + 74) + low8(units - 69) + low8(units * 70) + low8(quint64(unitCount / 70));
}

LanguagePacks::LanguagePacks(const QString& directory) : directory(directory) {}

bool LanguagePacks::isValidCode(const QString& code)
{
    if (code.size() != 6)
        return false;
    for (const QChar c : code) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

QString LanguagePacks::fileFor(const QString& code) const
{
    if (!isValidCode(code))
        return QString();
    return directory + QStringLiteral("/lang_") + code + QStringLiteral(".ini");
}

QVariantMap LanguagePacks::list() const
{
    static const QRegularExpression packName(QStringLiteral("^lang_([0-9]{6})\\.ini$"));
    const QStringList files =
        QDir(directory).entryList({QStringLiteral("lang_*.ini")}, QDir::Files | QDir::CaseSensitive,
                                  QDir::Name | QDir::IgnoreCase);
    QVariantMap packs;
    for (const QString& file : files) {
        const QRegularExpressionMatch match = packName.match(file);
        if (!match.hasMatch())
            continue;
        const QString code = match.captured(1);
        packs.insert(displayName(code), code);
    }
    return packs;
}

QVariantMap LanguagePacks::validList() const
{
    QVariantMap packs = list();
    for (auto it = packs.begin(); it != packs.end();)
        it = load(it.value().toString()).valid ? std::next(it) : packs.erase(it);
    return packs;
}

LanguagePack LanguagePacks::load(const QString& code) const
{
    const QString path = fileFor(code);
    if (path.isEmpty())
        return emptyPack();

    const QSettings settings(path, QSettings::IniFormat);
    LanguagePack pack;
    pack.strings.append(settings.value(QStringLiteral("font/family")).toString());
    // The scene has 130 strings; a corrupt count must not exhaust memory.
    constexpr int MaxStrings = 1024;
    const int total = qMin(settings.value(QStringLiteral("font/total"), 0).toInt(), MaxStrings);
    qint64 units = 0;
    for (int i = 1; i <= total; ++i) {
        const QString text =
            settings.value(QStringLiteral("strings/") + QString::number(i)).toString();
        units += text.size();
        pack.strings.append(text);
    }
    const QString storedCheck = settings.value(QStringLiteral("font/cs")).toString();
    for (int k = 0; k < MessageCount; ++k)
        pack.messages.append(
            settings.value(QStringLiteral("msg/") + QString::number(k)).toString());
    pack.valid = languagePackCheckString(units) == storedCheck;
    return pack;
}

QString LanguagePacks::displayName(const QString& code)
{
    if (!isValidCode(code))
        return QString();
    const int language = code.left(3).toInt();
    const int country = code.mid(3).toInt();
    QString name = qt4LanguageName(language).toUpper();
    if (country == CountryChina)
        name += QStringLiteral(" (Simp)");
    else if (country == CountryTaiwan)
        name += QStringLiteral(" (Trad)");
    else if (country != CountryNone)
        name += QStringLiteral(" (") + qt4CountryName(country).toUpper() + QLatin1Char(')');
    return name;
}

QString LanguagePacks::qt4LanguageName(int language)
{
    return qt4Name(Qt4Languages, Qt4LastLanguage, language);
}

QString LanguagePacks::qt4CountryName(int country)
{
    return qt4Name(Qt4Countries, Qt4LastCountry, country);
}
