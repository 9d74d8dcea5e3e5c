#pragma once

// Read-only data files, relative to the data directory (the current
// directory). The files the program writes are named by DataRoots.
namespace DataPaths {
inline constexpr char HardwareDefinition[] = "./modules/setting/HWDef.bin";
inline constexpr char KeyCodeDefinition[] = "./modules/setting/KeyCodeDef.bin";
inline constexpr char SceneUrl[] = "qrc:modules/qml/main.qml";
} // namespace DataPaths
