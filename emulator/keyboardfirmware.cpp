#include "keyboardfirmware.h"

#include <algorithm>

using namespace Protocol;

namespace {

constexpr int ByteBits = 8;
constexpr quint16 LowByteMask = 0x00FF;

template <typename Array> QByteArray bytesOf(const Array& array, int offset, int length)
{
    return QByteArray(reinterpret_cast<const char*>(array.data()) + offset, length);
}

template <typename Array> void copyInto(Array& array, int offset, const QByteArray& bytes)
{
    std::copy(bytes.cbegin(), bytes.cend(), array.begin() + offset);
}

} // namespace

KeyboardFirmware::KeyboardFirmware(const VirtualKeyboardConfig& config)
{
    m_state.profiles.assign(std::max(1, config.profiles), config.initialProfile);
    m_state.macros.assign(std::max(0, config.macroSlots), QByteArray(MacroLength, '\0'));
    m_state.firmwareVersion = config.firmwareVersion;
    m_state.layoutMode = config.layoutMode & LayoutModeMask;
}

bool KeyboardFirmware::hasProfile(int index) const
{
    return index >= 0 && index < int(m_state.profiles.size());
}

bool KeyboardFirmware::hasMacroSlot(int slot) const
{
    return slot >= 0 && slot < int(m_state.macros.size());
}

VirtualProfile& KeyboardFirmware::currentProfile()
{
    return m_state.profiles[m_state.currentProfile];
}

void KeyboardFirmware::resetTransfers()
{
    m_expectedPayload = 0;
    m_payload.clear();
    m_inputReports.clear();
    m_reply = {};
}

QByteArray KeyboardFirmware::takeInputReport()
{
    QByteArray report = m_inputReports.front();
    m_inputReports.pop_front();
    return report;
}

void KeyboardFirmware::receiveCommand(const Packet& packet)
{
    resetTransfers();
    m_reply[ReportIdOffset] = ReportId;
    m_reply[CodeOffset] = packet[CodeOffset];
    // A code is known to at most one of these; any other is ignored.
    runWriteCommand(packet);
    runQuery(packet);
}

void KeyboardFirmware::runWriteCommand(const Packet& packet)
{
    switch (packet[CodeOffset]) {
    case SetKeyboardOption:
        std::copy_n(packet.cbegin() + OptionOffset, m_state.options.size(),
                    m_state.options.begin());
        break;
    case SetButtonSensitivity:
        m_state.sensitivity = packet[SensitivityOffset];
        break;
    case SetLedType:
        std::copy_n(packet.cbegin() + LightingOffset, LightingValues,
                    currentProfile().lighting.begin());
        break;
    case StopMacroSending:
        ++m_state.stopMacroRequests;
        break;
    case SetIspBootLoader:
        m_state.inBootLoader = m_state.inBootLoader || validBootLoaderEntry(packet);
        break;
    case SetRecoveryData:
        ++m_state.recoveryRequests;
        break;
    case SetCurrentProfile:
        if (hasProfile(packet[ProfileOffset]))
            m_state.currentProfile = packet[ProfileOffset];
        break;
    case SetKeyMatrix1:
    case SetKeyMatrix2:
    case SetMacroKey:
    case SetUserPicture:
    case SetSevenColor:
        expectPayload(packet);
        break;
    default:
        break;
    }
}

bool KeyboardFirmware::validBootLoaderEntry(const Packet& packet) const
{
    return std::equal(std::begin(BootLoaderEntryCode), std::end(BootLoaderEntryCode),
                      packet.cbegin() + ParamOffset);
}

bool KeyboardFirmware::validPicture(const Packet& packet) const
{
    return packet[SlotOffset] < PictureCount && packet[PlaneOffset] < PicturePlanes;
}

void KeyboardFirmware::expectPayload(const Packet& packet)
{
    int length = 0;
    switch (packet[CodeOffset]) {
    case SetKeyMatrix1:
    case SetKeyMatrix2:
        length = KeyMatrixHalfLength;
        break;
    case SetMacroKey:
        length = hasMacroSlot(packet[SlotOffset]) ? MacroLength : 0;
        break;
    case SetUserPicture:
        length = validPicture(packet) ? PicturePlaneLength : 0;
        break;
    case SetSevenColor:
        length = SevenColorLength;
        break;
    default:
        break;
    }
    m_pendingCommand = packet;
    m_expectedPayload = length;
}

void KeyboardFirmware::receiveOutputReport(const quint8* data, int length)
{
    const int missing = m_expectedPayload - int(m_payload.size());
    if (missing <= 0)
        return;
    m_payload.append(reinterpret_cast<const char*>(data), std::min(length, missing));
    if (m_payload.size() < m_expectedPayload)
        return;
    applyPayload();
    m_expectedPayload = 0;
    m_payload.clear();
}

void KeyboardFirmware::applyPayload()
{
    VirtualProfile& profile = currentProfile();
    const int slot = m_pendingCommand[SlotOffset];
    switch (m_pendingCommand[CodeOffset]) {
    case SetKeyMatrix1:
        copyInto(profile.keyMatrix, 0, m_payload);
        break;
    case SetKeyMatrix2:
        copyInto(profile.keyMatrix, KeyMatrixHalfLength, m_payload);
        break;
    case SetMacroKey:
        m_state.macros[slot] = m_payload;
        break;
    case SetUserPicture:
        copyInto(profile.pictures[slot], m_pendingCommand[PlaneOffset] * PicturePlaneLength,
                 m_payload);
        break;
    case SetSevenColor: // only the colour triples are kept
        copyInto(profile.colors, 0, m_payload.left(SevenColorBytes));
        break;
    default:
        break;
    }
}

void KeyboardFirmware::runQuery(const Packet& packet)
{
    const VirtualProfile& profile = currentProfile();
    switch (packet[CodeOffset]) {
    case GetFwVersion:
        m_reply[VersionMajorOffset] = quint8(m_state.firmwareVersion >> ByteBits);
        m_reply[VersionMinorOffset] = quint8(m_state.firmwareVersion & LowByteMask);
        m_reply[ModeOffset] = quint8((m_state.layoutMode & LayoutModeMask) << LayoutModeShift);
        break;
    case GetKeyboardOption:
        std::copy(m_state.options.cbegin(), m_state.options.cend(), m_reply.begin() + OptionOffset);
        break;
    case GetButtonSensitivity:
        m_reply[SensitivityOffset] = m_state.sensitivity;
        break;
    case GetLedType:
        std::copy(profile.lighting.cbegin(), profile.lighting.cend(),
                  m_reply.begin() + LightingOffset);
        break;
    case GetCurrentProfile:
        m_reply[ProfileOffset] = quint8(m_state.currentProfile);
        break;
    case GetKeyMatrix1:
    case GetKeyMatrix2:
    case GetMacroKey:
    case GetUserPicture:
    case GetSevenColor: {
        const QByteArray payload = queryPayload(packet);
        if (payload.isEmpty())
            break;
        std::copy_n(packet.cbegin() + ParamOffset, ParamCount, m_reply.begin() + ParamOffset);
        queueInputReports(payload);
        break;
    }
    default:
        break;
    }
}

// The data a data query answers with; empty when its parameters are invalid.
QByteArray KeyboardFirmware::queryPayload(const Packet& packet) const
{
    const VirtualProfile& profile = m_state.profiles[m_state.currentProfile];
    const int slot = packet[SlotOffset];
    switch (packet[CodeOffset]) {
    case GetKeyMatrix1:
        return bytesOf(profile.keyMatrix, 0, KeyMatrixHalfLength);
    case GetKeyMatrix2:
        return bytesOf(profile.keyMatrix, KeyMatrixHalfLength, KeyMatrixHalfLength);
    case GetMacroKey:
        return hasMacroSlot(slot) ? m_state.macros[slot] : QByteArray();
    case GetUserPicture:
        if (!validPicture(packet))
            return {};
        return bytesOf(profile.pictures[slot], packet[PlaneOffset] * PicturePlaneLength,
                       PicturePlaneLength);
    case GetSevenColor:
        return bytesOf(profile.colors, 0, SevenColorLength);
    default:
        return {};
    }
}

void KeyboardFirmware::queueInputReports(const QByteArray& payload)
{
    for (int offset = 0; offset < payload.size(); offset += ReportLength)
        m_inputReports.push_back(payload.mid(offset, ReportLength));
}
