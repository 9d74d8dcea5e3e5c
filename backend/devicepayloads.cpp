#include "devicepayloads.h"

#include "protocol.h"

namespace DevicePayloads {

namespace {
char lowByte(int value)
{
    return char(value & 0xFF);
}
} // namespace

int elementAt(const QVariantList& list, int index)
{
    return list.value(index, 0).toInt();
}

QByteArray keyMatrixBlock(const QVariantList& src256)
{
    QByteArray block(2 * Protocol::KeyMatrixHalfLength, 0);
    for (int i = 0; i < block.size(); ++i)
        block[i] = lowByte(elementAt(src256, i));
    return block;
}

QByteArray sevenColorBlock(const QVariantList& src21)
{
    QByteArray block(Protocol::SevenColorLength, 0);
    for (int i = 0; i < Protocol::SevenColorBytes; ++i)
        block[i] = lowByte(elementAt(src21, i) / SceneUnitsPerDeviceUnit);
    return block;
}

std::array<QByteArray, 4> picturePlanes(const QVariantList& picture)
{
    std::array<QByteArray, 4> planes;
    for (QByteArray& plane : planes)
        plane = QByteArray(Protocol::PicturePlaneLength, 0);
    for (int k = 0; k < Protocol::PicturePlaneLength; ++k) {
        const int base = Protocol::PicturePlanes * k;
        planes[0][k] = lowByte(elementAt(picture, base));
        for (int channel = 1; channel < Protocol::PicturePlanes; ++channel)
            planes[channel][k] =
                lowByte(elementAt(picture, base + channel) / SceneUnitsPerDeviceUnit);
    }
    return planes;
}

QString firmwareVersionText(quint16 version)
{
    if (version == 0)
        return QStringLiteral("unknown");
    const auto hexByte = [](int value) {
        return QString::number(value, 16).toUpper().rightJustified(2, QLatin1Char('0'));
    };
    return hexByte(version >> 8) + QLatin1Char('.') + hexByte(version & 0xFF);
}

} // namespace DevicePayloads
