#pragma once

#include "protocol.h"

#include <array>

// The 9-byte feature report that opens every command, also used for the
// reply a query pre-sets before it reads the keyboard's answer.
struct CommandPacket
{
    std::array<quint8, Protocol::CommandReportSize> bytes{};

    // 00 code 00 00 00 00 55 AA 00
    static CommandPacket withTrailer(quint8 code)
    {
        CommandPacket packet = plain(code);
        for (int i = 0; i < 3; ++i)
            packet.bytes[Protocol::TrailerOffset + i] = Protocol::Trailer[i];
        return packet;
    }

    // 00 code, then seven zero bytes
    static CommandPacket plain(quint8 code)
    {
        CommandPacket packet;
        packet.bytes[Protocol::ReportIdOffset] = Protocol::ReportId;
        packet.bytes[Protocol::CodeOffset] = code;
        return packet;
    }

    CommandPacket& set(int offset, quint8 value)
    {
        bytes[offset] = value;
        return *this;
    }

    quint8 at(int offset) const { return bytes[offset]; }
};
