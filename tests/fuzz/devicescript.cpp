#include "devicescript.h"

#include "devicetable.h"
#include "languagepackvalid.h"

namespace DeviceScript {

namespace {

using Payload = std::array<uchar, Protocol::KeyMatrixHalfLength>;

Payload pattern()
{
    Payload bytes{};
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = uchar(i * 7 + 3);
    return bytes;
}

void runWrite(Hid_Thread& hid, Step step, StepSource& source)
{
    Payload payload = pattern();
    switch (step) {
    case SetKeyboardOption: {
        const quint8 a = source.next(), b = source.next();
        hid.hid_02H_SetKeyboardoption(a, b, source.next());
        break;
    }
    case SetButtonSensitivity:
        hid.hid_04H_SetButtonSensitivity(source.next());
        break;
    case SetLedType: {
        std::array<quint8, Protocol::LightingValues> v{};
        for (quint8& value : v)
            value = source.next();
        hid.hid_08H_SetLEDType(v[0], v[1], v[2], v[3], v[4], v[5], v[6]);
        break;
    }
    case StopMacroSending:
        hid.hid_09H_StopMacroSending();
        break;
    case SetKeyMatrix1:
        hid.hid_0CH_SetKeyMatrix_1(payload.data());
        break;
    case SetKeyMatrix2:
        hid.hid_0DH_SetKeyMatrix_2(payload.data());
        break;
    case SetIspBootLoader:
        hid.hid_0FH_SetISPBootLoader();
        break;
    case SetMacroKey:
        hid.hid_10H_SetMacroKey(source.next(), payload.data());
        break;
    case SetUserPicture: {
        const quint8 index = source.next();
        hid.hid_12H_SetUserPicture(index, source.next(), payload.data());
        break;
    }
    case SetRecoveryData:
        hid.hid_13H_SetRecoveryData();
        break;
    case SetCurrentProfile:
        hid.hid_21H_SetCurrentProfile(source.next());
        break;
    case SetSevenColor:
        hid.hid_30H_SetSevenColor(payload.data());
        break;
    default:
        break;
    }
    hid.waitForWrites();
}

void runQuery(Hid_Thread& hid, Step step, StepSource& source)
{
    Payload buffer = pattern();
    uchar v[Protocol::LightingValues] = {};
    ushort version = 0;
    switch (step) {
    case GetFwVersion:
        hid.hid_80H_GetFWVersion(version, v[0]);
        break;
    case GetKeyboardOption:
        hid.hid_82H_GetKeyboardoption(v[0], v[1], v[2]);
        break;
    case GetButtonSensitivity:
        hid.hid_84H_GetButtonSensitivity(v[0]);
        break;
    case GetLedType:
        hid.hid_88H_GetLEDType(v[0], v[1], v[2], v[3], v[4], v[5], v[6]);
        break;
    case GetKeyMatrix1:
        hid.hid_8CH_GetKeyMatrix_1(buffer.data());
        break;
    case GetKeyMatrix2:
        hid.hid_8DH_GetKeyMatrix_2(buffer.data());
        break;
    case GetMacroKey:
        hid.hid_90H_GetMacroKey(source.next(), buffer.data());
        break;
    case GetUserPicture: {
        const quint8 index = source.next();
        hid.hid_92H_GetUserPicture(index, source.next(), buffer.data());
        break;
    }
    case GetCurrentProfile:
        hid.hid_A1H_GetCurrentProfile(v[0]);
        break;
    case GetSevenColor:
        hid.hid_B0H_GetSevenColor(buffer.data());
        break;
    default:
        break;
    }
}

void runStep(Hid_Thread& hid, Step step, StepSource& source)
{
    if (step <= SetSevenColor)
        runWrite(hid, step, source);
    else if (step <= GetSevenColor)
        runQuery(hid, step, source);
    else if (step == SwitchDevice)
        hid.swichCurDevice(source.next() % DeviceIndices);
    else if (step == Rescan)
        hid.scanDevices(readDeviceTable(DeviceTableResource, {}));
    else if (step == ToggleLanguagePack)
        languagePackValid = !languagePackValid;
}

} // namespace

void runSession(Hid_Thread& hid, StepSource& source)
{
    for (int n = 0; n < MaxSteps && !source.atEnd(); ++n)
        runStep(hid, Step(source.next() % StepCount), source);
    hid.waitForWrites();
}

} // namespace DeviceScript
