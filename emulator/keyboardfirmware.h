#pragma once

#include "virtualkeyboard.h"

#include <QByteArray>
#include <array>
#include <deque>
#include <vector>

// Everything the keyboard keeps across commands, in device units.
struct FirmwareState
{
    std::vector<VirtualProfile> profiles;
    std::vector<QByteArray> macros; // each MacroLength bytes
    int currentProfile = 0;
    std::array<quint8, 3> options{};
    quint8 sensitivity = 0;
    quint16 firmwareVersion = 0;
    quint8 layoutMode = 0; // 0 … LayoutModeMask
    bool inBootLoader = false;
    int recoveryRequests = 0;
    int stopMacroRequests = 0;
};

// The keyboard's command interpreter: takes command packets and output
// reports from the host, keeps the state, prepares replies and the input
// reports of data queries. Knows nothing of handles, faults or threads; the
// caller serialises all access.
class KeyboardFirmware
{
public:
    using Packet = std::array<quint8, Protocol::CommandReportSize>;

    explicit KeyboardFirmware(const VirtualKeyboardConfig& config);

    FirmwareState& state() { return m_state; }
    const FirmwareState& state() const { return m_state; }
    bool hasProfile(int index) const;
    bool hasMacroSlot(int slot) const;
    VirtualProfile& currentProfile();

    // A command packet arrived; any unfinished data phase is abandoned.
    void receiveCommand(const Packet& packet);
    // The data bytes of one output report (report ID already stripped).
    void receiveOutputReport(const quint8* data, int length);
    // The reply to the last command packet, report ID included.
    Packet reply() const { return m_reply; }
    // Input reports the firmware has queued for the host, oldest first.
    bool hasInputReport() const { return !m_inputReports.empty(); }
    QByteArray takeInputReport();
    // Bus reset: forgets data phases in either direction and the reply.
    void resetTransfers();

private:
    void runWriteCommand(const Packet& packet);
    void runQuery(const Packet& packet);
    void expectPayload(const Packet& packet);
    void applyPayload();
    QByteArray queryPayload(const Packet& packet) const;
    void queueInputReports(const QByteArray& payload);
    bool validPicture(const Packet& packet) const;
    bool validBootLoaderEntry(const Packet& packet) const;

    FirmwareState m_state;
    Packet m_reply{};
    Packet m_pendingCommand{}; // the write whose payload is arriving
    int m_expectedPayload = 0; // bytes still to come; 0 = no data phase
    QByteArray m_payload;
    std::deque<QByteArray> m_inputReports;
};
