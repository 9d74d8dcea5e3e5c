// The keyboard's command set as slots of Hid_Thread: packet bytes, payloads,
// pre-set replies and how each reply is taken.
#include "hid_thread.h"

using namespace Protocol;

namespace {

CommandPacket lightingPacket(quint8 code, const std::array<uchar, LightingValues>& values)
{
    CommandPacket packet = CommandPacket::plain(code);
    for (int i = 0; i < LightingValues; ++i)
        packet.set(LightingOffset + i, values[i]);
    return packet;
}

} // namespace

void Hid_Thread::hid_02H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3)
{
    startWrite(CommandPacket::withTrailer(SetKeyboardOption)
                   .set(OptionOffset, byte1)
                   .set(OptionOffset + 1, byte2)
                   .set(OptionOffset + 2, byte3));
}

void Hid_Thread::hid_04H_SetButtonSensitivity(uchar sens1)
{
    startWrite(CommandPacket::withTrailer(SetButtonSensitivity).set(SensitivityOffset, sens1));
}

void Hid_Thread::hid_08H_SetLEDType(uchar type, uchar brightness, uchar speed, uchar direction,
                                    uchar color, uchar bl0, uchar bl1)
{
    startWrite(lightingPacket(SetLedType, {type, brightness, speed, direction, color, bl0, bl1}));
}

void Hid_Thread::hid_09H_StopMacroSending()
{
    CommandPacket packet = CommandPacket::withTrailer(StopMacroSending);
    for (int i = 0; i < 3; ++i)
        packet.set(ParamOffset + i, StopMacroParams[i]);
    startWrite(packet);
}

void Hid_Thread::hid_0CH_SetKeyMatrix_1(uchar* src128)
{
    startWrite(CommandPacket::withTrailer(SetKeyMatrix1), src128, KeyMatrixHalfLength);
}

void Hid_Thread::hid_0DH_SetKeyMatrix_2(uchar* src128)
{
    startWrite(CommandPacket::withTrailer(SetKeyMatrix2), src128, KeyMatrixHalfLength);
}

void Hid_Thread::hid_0FH_SetISPBootLoader()
{
    CommandPacket packet = CommandPacket::plain(SetIspBootLoader);
    for (int i = 0; i < ParamCount; ++i)
        packet.set(ParamOffset + i, BootLoaderEntryCode[i]);
    startWrite(packet);
}

void Hid_Thread::hid_10H_SetMacroKey(uchar macroId, uchar* src128)
{
    startWrite(CommandPacket::withTrailer(SetMacroKey).set(SlotOffset, macroId), src128,
               MacroLength);
}

void Hid_Thread::hid_12H_SetUserPicture(uchar index, uchar colorIndex, uchar* src128)
{
    startWrite(CommandPacket::withTrailer(SetUserPicture)
                   .set(SlotOffset, index)
                   .set(PlaneOffset, colorIndex),
               src128, PicturePlaneLength);
}

void Hid_Thread::hid_13H_SetRecoveryData()
{
    startWrite(CommandPacket::withTrailer(SetRecoveryData)
                   .set(ParamOffset, RecoveryParams[0])
                   .set(ParamOffset + 1, RecoveryParams[1]));
}

void Hid_Thread::hid_21H_SetCurrentProfile(uchar profileId)
{
    startWrite(CommandPacket::withTrailer(SetCurrentProfile).set(ProfileOffset, profileId));
}

void Hid_Thread::hid_30H_SetSevenColor(uchar* src64)
{
    startWrite(CommandPacket::withTrailer(SetSevenColor), src64, SevenColorLength);
}

void Hid_Thread::hid_80H_GetFWVersion(ushort& version, uchar& mode_UsUk)
{
    const CommandPacket packet = CommandPacket::withTrailer(GetFwVersion);
    if (runQuery(packet, packet) != QueryResult::Succeeded)
        return;
    version = ushort(replyReport.at(VersionMajorOffset) << 8 | replyReport.at(VersionMinorOffset));
    mode_UsUk = (replyReport.at(ModeOffset) >> LayoutModeShift) & LayoutModeMask;
}

void Hid_Thread::hid_82H_GetKeyboardoption(uchar& byte1, uchar& byte2, uchar& byte3)
{
    const CommandPacket preset = CommandPacket::withTrailer(GetKeyboardOption)
                                     .set(OptionOffset, byte1)
                                     .set(OptionOffset + 1, byte2)
                                     .set(OptionOffset + 2, byte3);
    if (runQuery(CommandPacket::withTrailer(GetKeyboardOption), preset) == QueryResult::Busy)
        return;
    byte1 = replyReport.at(OptionOffset);
    byte2 = replyReport.at(OptionOffset + 1);
    byte3 = replyReport.at(OptionOffset + 2);
}

void Hid_Thread::hid_84H_GetButtonSensitivity(uchar& sens1)
{
    const CommandPacket preset =
        CommandPacket::withTrailer(GetButtonSensitivity).set(SensitivityOffset, sens1);
    if (runQuery(CommandPacket::withTrailer(GetButtonSensitivity), preset) == QueryResult::Busy)
        return;
    sens1 = replyReport.at(SensitivityOffset);
}

bool Hid_Thread::hid_88H_GetLEDType(uchar& type, uchar& brightness, uchar& speed, uchar& direction,
                                    uchar& color, uchar& bl0, uchar& bl1)
{
    std::array<uchar*, LightingValues> outputs{&type,  &brightness, &speed, &direction,
                                               &color, &bl0,        &bl1};
    std::array<uchar, LightingValues> current{};
    for (int i = 0; i < LightingValues; ++i)
        current[i] = *outputs[i];
    const QueryResult result =
        runQuery(CommandPacket::withTrailer(GetLedType), lightingPacket(GetLedType, current));
    if (result == QueryResult::Busy)
        return false;
    for (int i = 0; i < LightingValues; ++i)
        *outputs[i] = replyReport.at(LightingOffset + i);
    return result == QueryResult::Succeeded;
}

void Hid_Thread::hid_8CH_GetKeyMatrix_1(uchar* src128)
{
    const CommandPacket packet = CommandPacket::withTrailer(GetKeyMatrix1);
    runQuery(packet, packet, src128, KeyMatrixHalfLength);
}

void Hid_Thread::hid_8DH_GetKeyMatrix_2(uchar* src128)
{
    const CommandPacket packet = CommandPacket::withTrailer(GetKeyMatrix2);
    runQuery(packet, packet, src128, KeyMatrixHalfLength);
}

void Hid_Thread::hid_90H_GetMacroKey(uchar macroId, uchar* src128)
{
    const CommandPacket packet = CommandPacket::withTrailer(GetMacroKey).set(SlotOffset, macroId);
    runQuery(packet, packet, src128, MacroLength);
}

void Hid_Thread::hid_92H_GetUserPicture(uchar index, uchar colorIndex, uchar* src128)
{
    const CommandPacket packet = CommandPacket::withTrailer(GetUserPicture)
                                     .set(SlotOffset, index)
                                     .set(PlaneOffset, colorIndex);
    runQuery(packet, packet, src128, PicturePlaneLength);
}

void Hid_Thread::hid_A1H_GetCurrentProfile(uchar& profileId)
{
    const CommandPacket packet = CommandPacket::withTrailer(GetCurrentProfile);
    if (runQuery(packet, packet) == QueryResult::Busy)
        return;
    profileId = replyReport.at(ProfileOffset);
}

bool Hid_Thread::hid_B0H_GetSevenColor(uchar* src64)
{
    const CommandPacket packet = CommandPacket::withTrailer(GetSevenColor);
    return runQuery(packet, packet, src64, SevenColorLength) == QueryResult::Succeeded;
}
