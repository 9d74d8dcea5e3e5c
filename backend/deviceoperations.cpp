// The backend's device operations: scene values to keyboard commands, with the
// values mirrored into the current profile file.
#include "devicepayloads.h"
#include "dialogs.h"
#include "hid_thread.h"
#include "macroencoder.h"
#include "myqquickview.h"

using namespace DevicePayloads;

namespace {

uchar* bytes(QByteArray& block)
{
    return reinterpret_cast<uchar*>(block.data());
}

QVariantList intList(const QByteArray& block)
{
    QVariantList list;
    for (char byte : block)
        list.append(int(uchar(byte)));
    return list;
}

// The device's current index that stores a report rate.
constexpr uint ReportRateDevice = 1;

} // namespace

void myQQuickView::ui_01H_SetReportRate(uchar rate)
{
    if (hidThread && hidThread->currentDevice() == ReportRateDevice)
        writeCurrentProfile("sensor/reportRate_Q4", int(rate));
}

void myQQuickView::ui_02H_SetKeyboardMode(uchar mode)
{
    if (!hidThread)
        return;
    uchar byte1 = 0, byte2 = 0, byte3 = 0;
    hidThread->hid_82H_GetKeyboardoption(byte1, byte2, byte3);
    hidThread->hid_02H_SetKeyboardoption(mode, byte2, byte3);
}

void myQQuickView::ui_04H_SetButtonSensitivity(uchar sens1)
{
    if (hidThread)
        hidThread->hid_04H_SetButtonSensitivity(sens1);
}

void myQQuickView::ui_08H_SetLEDType(uchar type, uchar brightness, uchar speed, uchar direction,
                                     uchar color, uchar bl0, uchar bl1)
{
    storeLightingType({type, brightness, speed, direction, color, bl0, bl1});
    if (hidThread)
        hidThread->hid_08H_SetLEDType(type, brightness, speed, direction, color, bl0, bl1);
}

void myQQuickView::ui_0C0DH_SetKeyMatrix(QVariantList src256)
{
    const QString group = "keydefine" + QString::number(kbLayoutType) + '/';
    for (int m = 0; m < Protocol::KeyMatrixSlots; ++m)
        writeCurrentProfile(group + QString::number(m),
                            QVariantList{src256.value(2 * m, 0), src256.value(2 * m + 1, 0)});
    QByteArray block = keyMatrixBlock(src256);
    if (!hidThread)
        return;
    hidThread->hid_0CH_SetKeyMatrix_1(bytes(block));
    hidThread->hid_0DH_SetKeyMatrix_2(bytes(block) + Protocol::KeyMatrixHalfLength);
}

void myQQuickView::ui_10H_SetMacroKey(QVariant macroId, QVariant name)
{
    const QList<uchar> encoded = macroIncode(loadMacroIni(name));
    if (encoded.size() > MacroFormat::BufferLength)
        dialogs->warn(msgList.value(0), msgList.value(1));
    QByteArray buffer = macroBuffer(encoded);
    if (hidThread)
        hidThread->hid_10H_SetMacroKey(uchar(macroId.toInt() & 0xFF), bytes(buffer));
}

void myQQuickView::ui_12H_SetUserPicture(uchar index, uchar option, QVariantList src384)
{
    // Stored but not sent: the scene keeps pictures that are not shown.
    constexpr uchar StoreOnly = 255;
    writeCurrentProfile("userPicture/" + QString::number(index), src384);
    if (option == StoreOnly || !hidThread)
        return;
    std::array<QByteArray, 4> planes = picturePlanes(src384);
    for (int plane = 0; plane < Protocol::PicturePlanes; ++plane)
        hidThread->hid_12H_SetUserPicture(index, uchar(plane), bytes(planes[plane]));
}

void myQQuickView::ui_13H_SetRecoveryData()
{
    if (hidThread)
        hidThread->hid_13H_SetRecoveryData();
}

void myQQuickView::ui_21H_SetCurrentProfile(int profile)
{
    const uchar index = uchar(profile & 0xFF);
    profiles.setCurrentIndex(index);
    if (hidThread)
        hidThread->hid_21H_SetCurrentProfile(index);
}

void myQQuickView::ui_30H_SetColor(QVariantList src21)
{
    QByteArray block = sevenColorBlock(src21);
    writeCurrentProfile("color/color", src21);
    if (hidThread)
        hidThread->hid_30H_SetSevenColor(bytes(block));
}

QString myQQuickView::ui_80H_GetFWVersion()
{
    ushort version = 0;
    uchar mode = 0;
    if (hidThread)
        hidThread->hid_80H_GetFWVersion(version, mode);
    return firmwareVersionText(version);
}

QVariant myQQuickView::ui_80H_GetHWMode()
{
    return int(kbLayoutType);
}

QVariant myQQuickView::ui_81H_GetReportRate()
{
    return 0; // this keyboard has no report-rate command
}

QVariant myQQuickView::ui_82H_GetKeyboardMode()
{
    uchar byte1 = 0, byte2 = 0, byte3 = 0;
    if (hidThread)
        hidThread->hid_82H_GetKeyboardoption(byte1, byte2, byte3);
    return int(byte1);
}

QVariant myQQuickView::ui_84H_GetButtonSensitivity()
{
    uchar sens1 = 0;
    if (hidThread)
        hidThread->hid_84H_GetButtonSensitivity(sens1);
    return int(sens1);
}

QVariantList myQQuickView::ui_88H_GetLEDType()
{
    return readCurrentProfile("color/ledType").toList();
}

QVariantList myQQuickView::ui_8C8DH_GetKeyMatrix()
{
    QByteArray block(2 * Protocol::KeyMatrixHalfLength, 0);
    if (hidThread) {
        hidThread->hid_8CH_GetKeyMatrix_1(bytes(block));
        hidThread->hid_8DH_GetKeyMatrix_2(bytes(block) + Protocol::KeyMatrixHalfLength);
    }
    return intList(block);
}

QVariantList myQQuickView::ui_92H_GetUserPicture(uchar index)
{
    constexpr int PictureValues = Protocol::PicturePlanes * Protocol::KeyMatrixSlots;
    const QVariantList stored =
        readCurrentProfile("userPicture/" + QString::number(index)).toList();
    if (stored.size() == PictureValues)
        return stored;
    return QVariantList(PictureValues, 0);
}

QVariant myQQuickView::ui_A1H_GetCurrentProfile()
{
    return int(profiles.currentIndex());
}

QVariantList myQQuickView::ui_B0H_GetColor()
{
    return readCurrentProfile("color/color").toList();
}
