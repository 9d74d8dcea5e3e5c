#pragma once

#include <QList>
#include <QMap>
#include <QStringList>

// Turns macro step lines ("A    [Down]", "A      [Up]", "1000   [Delay]")
// into the keyboard's macro bytes: 16-bit words, high byte first, starting
// with the header word and ending with the end word. Steps whose key is not
// in `keyNames` (or has code 0), zero or non-numeric delays and unknown
// commands are skipped.
QList<uchar> encodeMacro(const QStringList& steps, const QMap<QString, quint8>& keyNames);

// The 128-byte buffer command 10H carries: the encoding with the two bytes of
// every word exchanged, zero-filled; an encoding longer than the buffer is cut
// to its first 128 bytes.
QByteArray macroBuffer(const QList<uchar>& encoded);

namespace MacroFormat {
constexpr int CommandFieldLength = 10;
inline const QString DownField = QStringLiteral("    [Down]");
inline const QString UpField = QStringLiteral("      [Up]");
inline const QString DelayField = QStringLiteral("   [Delay]");
constexpr uchar HeaderWord[2] = {0x00, 0x01};
constexpr uchar EndWord[2] = {0x00, 0x00};
constexpr uchar KeyDown = 0x01;              // high byte of a key-down word; low byte the key code
constexpr uchar KeyUp = 0x81;                // high byte of a key-up word
constexpr uchar DelayWord[2] = {0x7F, 0x00}; // followed by one word of 10 ms units
constexpr int DelayUnitMs = 10;
constexpr int BufferLength = 128;
} // namespace MacroFormat
