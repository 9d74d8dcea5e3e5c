#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

// One language pack as loaded: the string table, the four warning texts and
// the outcome of the check-string comparison.
struct LanguagePack
{
    QStringList strings;  // entry 0 "font/family", entries 1 … N "strings/1" … "strings/N"
    QStringList messages; // always four entries: "msg/0" … "msg/3" ("" when absent)
    bool valid = false;   // "font/cs" equals languagePackCheckString() of the strings
};

// The check string of a pack whose N strings hold `unitCount` UTF-16 code
// units in total: the decimal values (S + 74), (S − 69), 70·S and S / 70, each
// reduced to its low 8 bits, written one after another ("7418700" for S = 0).
QString languagePackCheckString(qint64 unitCount);

// The language packs of a directory: files "lang_<code>.ini" (INI, UTF-8),
// where <code> is six ASCII digits: three for the language and three for the
// country, numbered as Qt 4's QLocale::Language and QLocale::Country.
class LanguagePacks
{
public:
    explicit LanguagePacks(const QString& directory = QStringLiteral("./modules/i18n"));

    // Whether `code` is exactly six ASCII digits.
    static bool isValidCode(const QString& code);

    // The pack file of `code`; empty when the code is not valid, so the result
    // never names a file outside the directory.
    QString fileFor(const QString& code) const;

    // Display name → code of every file named exactly "lang_<code>.ini" (case
    // sensitive; other entries are ignored). Files are taken in name order
    // ignoring case; a later file with the same display name replaces the
    // earlier one. A missing directory gives an empty map.
    QVariantMap list() const;

    // list() without the packs that fail their check: the languages a user
    // can choose without stopping the keyboard's traffic.
    QVariantMap validList() const;

    // The pack of `code`. A missing file, or a code that is not valid, reads
    // as an empty pack: strings [""], four empty messages, not valid.
    LanguagePack load(const QString& code) const;

    // Upper-cased language name + suffix for a valid code: country 0 gives no
    // suffix, 44 " (Simp)", 208 " (Trad)", any other " (" + upper-cased
    // country name + ")". Names are Qt 4's; see qt4LanguageName().
    static QString displayName(const QString& code);

    // The name Qt 4.8's QLocale::languageToString / countryToString gives for
    // a number of our fixed table. Numbers above Qt 4.8's last value give
    // "Unknown", as Qt 4 does; other numbers missing from the table give the
    // number itself in decimal.
    static QString qt4LanguageName(int language);
    static QString qt4CountryName(int country);

private:
    QString directory;
};
