#pragma once

#include <QByteArray>
#include <QVariantList>
#include <array>

// Conversions between the scene's values and the byte blocks of the keyboard
// commands. Scene lists hold variants; the integer value's low 8 bits make a
// byte, and a missing element reads as 0.
namespace DevicePayloads {

// Scene colour channels run 0 … 255, the keyboard's 0 … 63.
constexpr int SceneUnitsPerDeviceUnit = 4;

int elementAt(const QVariantList& list, int index); // 0 when missing

// 256 bytes: slot m's KeyCode16 at 2m (low) and 2m+1 (high).
QByteArray keyMatrixBlock(const QVariantList& src256);

// 64 bytes: 21 channels divided by 4, then zeros.
QByteArray sevenColorBlock(const QVariantList& src21);

// Four planes of 128 bytes from a ColorPicture (four values per slot):
// plane 0 the option bytes unchanged, planes 1 … 3 red, green, blue / 4.
std::array<QByteArray, 4> picturePlanes(const QVariantList& picture);

// Firmware version as "HH.LL" in upper-case hex, "unknown" for 0.
QString firmwareVersionText(quint16 version);

} // namespace DevicePayloads
