#pragma once

#include <QtGlobal>

// Wire format of the keyboard's vendor protocol, shared by the device worker
// and the virtual keyboard. Offsets count bytes from the start of a report
// including its report-ID byte unless stated otherwise.
namespace Protocol {

constexpr quint16 VendorId = 0x04D9;
constexpr quint16 ProductId = 0xA1CD;
constexpr quint16 CommandUsagePage = 0xFF01;       // command interface
constexpr quint16 EventUsagePage = 0xFF02;         // event interface
constexpr quint16 VendorUsage = 0x0001;            // usage of both interfaces
constexpr int ReportLength = 64;                   // payload bytes of one data report
constexpr int OutputReportSize = ReportLength + 1; // report ID + one data report, as written
constexpr quint16 BootKeyboardUsagePage = 0x0001;  // generic desktop: the keyboard's boot interface
constexpr quint16 BootKeyboardUsage = 0x0006;      // keyboard

// CommandPacket: feature report sent first by every command, and the 9-byte
// reply read back by a query.
constexpr int CommandReportSize = 9;
constexpr quint8 ReportId = 0x00; // the keyboard uses no numbered reports
constexpr int ReportIdOffset = 0; // report ID, always ReportId
constexpr int CodeOffset = 1;     // command code
constexpr int ParamOffset = 2;    // first of seven parameter bytes
constexpr int ParamCount = 7;
constexpr int TrailerOffset = 6; // most packets end in the trailer 55 AA 00
constexpr quint8 Trailer[3] = {0x55, 0xAA, 0x00};

// Parameter positions inside a CommandPacket / reply.
constexpr int OptionOffset = 2;       // 02/82: three keyboard option bytes at 2, 3, 4
constexpr int SensitivityOffset = 2;  // 04/84: button sensitivity
constexpr int LightingOffset = 2;     // 08/88: seven lighting values at 2 … 8
constexpr int SlotOffset = 3;         // 10/90 macro slot, 12/92 picture index
constexpr int PlaneOffset = 4;        // 12/92: picture plane 0 … 3
constexpr int ProfileOffset = 2;      // 21/A1: on-board profile, from 0
constexpr int VersionMajorOffset = 2; // 80: firmware major version
constexpr int VersionMinorOffset = 3; // 80: firmware minor version
constexpr int ModeOffset = 4;         // 80: bits 2..1 carry the layout mode
constexpr int LayoutModeShift = 1;
constexpr quint8 LayoutModeMask = 0x03;

// Command codes. A read command's code is its write command's code + 0x80.
enum Command : quint8
{
    SetKeyboardOption = 0x02,
    SetButtonSensitivity = 0x04,
    SetLedType = 0x08,
    StopMacroSending = 0x09,
    SetKeyMatrix1 = 0x0C, // key slots 0 … 63
    SetKeyMatrix2 = 0x0D, // key slots 64 … 127
    SetIspBootLoader = 0x0F,
    SetMacroKey = 0x10,
    SetUserPicture = 0x12,
    SetRecoveryData = 0x13,
    SetCurrentProfile = 0x21,
    SetSevenColor = 0x30,
    GetFwVersion = 0x80,
    GetKeyboardOption = 0x82,
    GetButtonSensitivity = 0x84,
    GetLedType = 0x88,
    GetKeyMatrix1 = 0x8C,
    GetKeyMatrix2 = 0x8D,
    GetMacroKey = 0x90,
    GetUserPicture = 0x92,
    GetCurrentProfile = 0xA1,
    GetSevenColor = 0xB0,
};

// Fixed parameter bytes of commands that carry no caller values.
constexpr quint8 StopMacroParams[3] = {0xAA, 0xCC, 0xEE}; // 09, bytes 2 … 4
constexpr quint8 RecoveryParams[2] = {0xFF, 0x1F};        // 13, bytes 2 … 3
// 0F: entry code of the in-system-programming boot loader, bytes 2 … 8.
constexpr quint8 BootLoaderEntryCode[7] = {0x49, 0x53, 0x50, 0x5A, 0xA5, 0x3C, 0xC3};

// Data-phase lengths.
constexpr int KeyMatrixHalfLength = 128; // 64 key slots, two bytes each, low byte first
constexpr int KeyMatrixSlots = 128;
constexpr int MacroLength = 128;
constexpr int PicturePlaneLength = 128; // one byte per key slot
constexpr int PicturePlanes = 4;        // option, red, green, blue
constexpr int PictureCount = 5;
constexpr int SevenColorLength = 64; // bytes 0 … 20 hold seven RGB triples
constexpr int SevenColorBytes = 21;
constexpr int LightingValues = 7;   // type, brightness, speed, direction, color, bl0, bl1
constexpr quint8 MaxColorUnit = 63; // device colour channels run 0 … 63

// EventReport: input report of the event interface as hidapi delivers it
// (no report-ID byte).
constexpr int EventReportSize = 12;
constexpr int EventKindOffset = 0;     // not examined by the program
constexpr int EventProfileOffset = 1;  // lighting event: the keyboard's current profile
constexpr int EventLightingOffset = 4; // seven lighting values at 4 … 10
constexpr quint8 EventKindLighting = 0x01;

} // namespace Protocol
