#pragma once

// The virtual keyboard's control side for Qt Quick tests: its firmware state
// and the reports that crossed it, as plain lists of numbers and text, plus
// the profile files as a second reader sees them on disk.
#include "virtualkeyboard.h"

#include <QJSValue>
#include <QObject>
#include <QSettings>
#include <QVariantList>

class KeyboardProbe : public QObject
{
    Q_OBJECT

public:
    explicit KeyboardProbe(VirtualKeyboard& keyboard, QObject* parent = nullptr)
        : QObject(parent), keyboard(keyboard)
    {
    }

    // Slot m's low byte at 2m, high byte at 2m + 1.
    Q_INVOKABLE QVariantList keyMatrix(int profile) const
    {
        const VirtualProfile p = keyboard.profile(profile);
        return numbers(p.keyMatrix.data(), int(p.keyMatrix.size()));
    }

    Q_INVOKABLE void setKeyMatrix(int profile, const QVariantList& bytes)
    {
        VirtualProfile p = keyboard.profile(profile);
        for (int i = 0; i < int(p.keyMatrix.size()) && i < bytes.size(); ++i)
            p.keyMatrix[size_t(i)] = quint8(bytes[i].toInt());
        keyboard.setProfile(profile, p);
    }

    Q_INVOKABLE QVariantList macro(int slot) const
    {
        const QByteArray bytes = keyboard.macro(slot);
        return numbers(reinterpret_cast<const quint8*>(bytes.constData()), int(bytes.size()));
    }

    Q_INVOKABLE void setMacro(int slot, const QVariantList& bytes)
    {
        QByteArray data(128, 0);
        for (int i = 0; i < data.size() && i < bytes.size(); ++i)
            data[i] = char(bytes[i].toInt());
        keyboard.setMacro(slot, data);
    }

    // A profile's lighting record (seven values), colours (21 values in
    // device units) and picture `index` (planes 0 … 3, 128 bytes each).
    Q_INVOKABLE QVariantList lighting(int profile) const
    {
        const VirtualProfile p = keyboard.profile(profile);
        return numbers(p.lighting.data(), int(p.lighting.size()));
    }
    Q_INVOKABLE QVariantList colours(int profile) const
    {
        return numbers(keyboard.profile(profile).colors.data(), 21);
    }
    Q_INVOKABLE QVariantList picture(int profile, int index) const
    {
        const VirtualProfile p = keyboard.profile(profile);
        const auto& planes = p.pictures[size_t(index)];
        return numbers(planes.data(), int(planes.size()));
    }

    Q_INVOKABLE int keyboardMode() const { return keyboard.keyboardOptions()[0]; }
    Q_INVOKABLE void setKeyboardMode(int mode)
    {
        std::array<quint8, 3> options = keyboard.keyboardOptions();
        options[0] = quint8(mode);
        keyboard.setKeyboardOptions(options);
    }

    Q_INVOKABLE int currentProfile() const { return keyboard.currentProfile(); }
    Q_INVOKABLE int layoutMode() const { return keyboard.layoutMode(); }
    Q_INVOKABLE void setLayoutMode(int mode) { keyboard.setLayoutMode(quint8(mode)); }

    // Every report since the last clearCapture, one formatted line each.
    Q_INVOKABLE QStringList capture() const
    {
        QStringList lines;
        for (const CapturedReport& report : keyboard.capture())
            lines << formatCaptureLine(report);
        return lines;
    }
    Q_INVOKABLE void clearCapture() { keyboard.clearCapture(); }

    // A key of a profile file (profile 0 is "p1.bin"), as a list of texts.
    Q_INVOKABLE QStringList storedList(int profile, const QString& key) const
    {
        const QSettings file(profilePath(profile), QSettings::IniFormat);
        QStringList texts;
        for (const QVariant& v : file.value(key).toList())
            texts << (v.isValid() ? v.toString() : QString());
        return texts;
    }

    // Writes or (with an undefined value) removes a key of a profile file,
    // as a user editing the file would; the program's open copy sees it.
    Q_INVOKABLE void setStored(int profile, const QString& key, const QVariant& value)
    {
        QSettings file(profilePath(profile), QSettings::IniFormat);
        // A list from a test document arrives as a script value.
        const QVariant plain = value.metaType() == QMetaType::fromType<QJSValue>()
                                   ? value.value<QJSValue>().toVariant()
                                   : value;
        if (plain.isValid())
            file.setValue(key, plain);
        else
            file.remove(key);
    }

    // The steps of the library's macro `name` as a second reader sees its file.
    Q_INVOKABLE QStringList macroFile(const QString& name) const
    {
        const QSettings file("modules/macro/" + name + ".bin", QSettings::IniFormat);
        QStringList steps;
        for (int i = 0; i < file.value("config/total").toInt(); ++i)
            steps << file.value("macro/" + QString::number(i)).toString();
        return steps;
    }

private:
    static QString profilePath(int profile)
    {
        return QStringLiteral("modules/setting/p%1.bin").arg(profile + 1);
    }

    static QVariantList numbers(const quint8* bytes, int count)
    {
        QVariantList list;
        for (int i = 0; i < count; ++i)
            list << int(bytes[i]);
        return list;
    }

    VirtualKeyboard& keyboard;
};
