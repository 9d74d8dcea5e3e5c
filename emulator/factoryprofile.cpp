#include "factoryprofile.h"

#include <QFileInfo>
#include <QSettings>

#include <optional>

using namespace Protocol;

namespace {

constexpr int ByteMax = 0xFF;
constexpr int SceneUnitsPerDeviceUnit = 4; // colour channels 0 … 255 against 0 … 63
constexpr int KeyCodeBytes = 2;            // low, high

// The entry's numbers when it holds exactly `count` integers 0 … 255.
std::optional<QList<int>> byteList(const QSettings& settings, const QString& key, int count)
{
    const QStringList texts = settings.value(key).toStringList();
    if (texts.size() != count)
        return std::nullopt;
    QList<int> values;
    for (const QString& text : texts) {
        bool ok = false;
        const int value = text.trimmed().toInt(&ok);
        if (!ok || value < 0 || value > ByteMax)
            return std::nullopt;
        values.append(value);
    }
    return values;
}

QString badEntry(const QString& file, const QString& key)
{
    return QStringLiteral("%1: \"%2\" is missing or not a list of byte values").arg(file, key);
}

} // namespace

FactoryProfile readFactoryProfile(const QString& file, quint8 layoutMode)
{
    FactoryProfile result;
    if (!QFileInfo(file).isReadable()) {
        result.error = QStringLiteral("%1 cannot be read").arg(file);
        return result;
    }
    const QSettings settings(file, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) {
        result.error = QStringLiteral("%1 is no profile file").arg(file);
        return result;
    }

    VirtualProfile profile;
    const QString lightingKey = QStringLiteral("color/ledType");
    const auto lighting = byteList(settings, lightingKey, LightingValues);
    if (!lighting) {
        result.error = badEntry(file, lightingKey);
        return result;
    }
    std::copy(lighting->cbegin(), lighting->cend(), profile.lighting.begin());

    const QString colorKey = QStringLiteral("color/color");
    const auto colors = byteList(settings, colorKey, SevenColorBytes);
    if (!colors) {
        result.error = badEntry(file, colorKey);
        return result;
    }
    for (int i = 0; i < SevenColorBytes; ++i)
        profile.colors[i] = quint8(colors->at(i) / SceneUnitsPerDeviceUnit);

    const QString group = QStringLiteral("keydefine%1/").arg(layoutMode);
    for (int slot = 0; slot < KeyMatrixSlots; ++slot) {
        const QString key = group + QString::number(slot);
        const auto code = byteList(settings, key, KeyCodeBytes);
        if (!code) {
            result.error = badEntry(file, key);
            return result;
        }
        profile.keyMatrix[KeyCodeBytes * slot] = quint8(code->at(0));
        profile.keyMatrix[KeyCodeBytes * slot + 1] = quint8(code->at(1));
    }
    result.profile = profile;
    return result;
}

VirtualKeyboardConfig factoryKeyboardConfig(const QString& file, quint8 layoutMode,
                                            QString* problem)
{
    VirtualKeyboardConfig config;
    config.layoutMode = layoutMode;
    const FactoryProfile factory = readFactoryProfile(file, layoutMode);
    config.initialProfile = factory.profile;
    if (problem)
        *problem = factory.error;
    return config;
}
