#pragma once

// The input format of fuzz_device, shared with deviceseeds, which writes what
// the virtual keyboard answers in it.
//
// An input is a header and two streams:
//   byte 0       flags: bit 0 set when the language pack passes its check
//   bytes 1 … 2  length L of the event stream, low byte first
//   L bytes      the event stream: the answers of the event interface
//   the rest     the command stream: the session's steps with their
//                parameters, the enumeration and the command interface's
//                answers, in the order the worker asks for them
// A stream that has run out fails every further call on its interface.
#include "hid_thread.h"
#include "protocol.h"

#include <QByteArray>
#include <array>

namespace DeviceScript {

constexpr int HeaderSize = 3;
constexpr int EventLengthOffset = 1;
constexpr quint8 LanguagePackValidFlag = 0x01;

// One HID call's answer: the low three bits of its control byte. Opening,
// setting the blocking mode, sending and writing know only Fail and success
// (every other value). A read's control byte is followed by:
//   Full   the caller's whole buffer of bytes
//   Short  one byte n (taken modulo the buffer length), then n bytes
//   Long   one byte n, then buffer length + n bytes, only the buffer's
//          length of them delivered, as hidapi cuts a longer report
//   Empty  nothing: a read that timed out, a feature report of no bytes
//   Fail   nothing: the call fails
// Values 4 … 6 read as Full.
constexpr quint8 AnswerMask = 0x07;
enum Answer : quint8
{
    Full = 0,
    Short = 1,
    Long = 2,
    Empty = 3,
    Fail = 7,
};

// Enumeration: a count byte (modulo MaxInterfaces + 1), then one byte per
// interface: bits 0 … 1 index UsagePages, bits 2 … 3 index Usages. Interface
// n has the path "if<n>"; one on the event usage page answers from the event
// stream, every other one from the command stream.
constexpr int MaxInterfaces = 4;
constexpr std::array<quint16, 4> UsagePages = {Protocol::CommandUsagePage, Protocol::EventUsagePage,
                                               Protocol::BootKeyboardUsagePage, 0x1234};
constexpr std::array<quint16, 4> Usages = {Protocol::VendorUsage, Protocol::BootKeyboardUsage,
                                           0x0000, 0xFFFF};
constexpr int UsageShift = 2;
constexpr quint8 IndexMask = 0x03;

// Index in `table` of `value`; the last index for a value not in the table.
inline quint8 indexOf(const std::array<quint16, 4>& table, quint16 value)
{
    for (quint8 i = 0; i < table.size(); ++i)
        if (table[i] == value)
            return i;
    return quint8(table.size() - 1);
}

// A session is at most MaxSteps steps; each is one byte (modulo StepCount)
// followed by its parameter bytes, read as the step runs.
constexpr int MaxSteps = 12;
enum Step : quint8
{
    SetKeyboardOption,
    SetButtonSensitivity,
    SetLedType,
    StopMacroSending,
    SetKeyMatrix1,
    SetKeyMatrix2,
    SetIspBootLoader,
    SetMacroKey,
    SetUserPicture,
    SetRecoveryData,
    SetCurrentProfile,
    SetSevenColor,
    GetFwVersion,
    GetKeyboardOption,
    GetButtonSensitivity,
    GetLedType,
    GetKeyMatrix1,
    GetKeyMatrix2,
    GetMacroKey,
    GetUserPicture,
    GetCurrentProfile,
    GetSevenColor,
    SwitchDevice, // one byte: the device index, modulo DeviceIndices
    Rescan,       // scans again: the enumeration follows in the stream
    ToggleLanguagePack,
    StepCount
};
constexpr int DeviceIndices = 3; // the table's one device and two that are not there

// Where the session's step and parameter bytes come from.
class StepSource
{
public:
    virtual ~StepSource() = default;
    virtual bool atEnd() = 0;
    virtual quint8 next() = 0; // 0 at the end
};

// Runs the session's steps on `hid` until the source ends or MaxSteps ran;
// every write has finished when it returns. Payloads are the program's, not
// the keyboard's: a fixed pattern.
void runSession(Hid_Thread& hid, StepSource& source);

} // namespace DeviceScript
