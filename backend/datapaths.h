#pragma once

// Data files, relative to the program directory (the current directory).
namespace DataPaths {
inline constexpr char ApConfig[] = "./modules/setting/apConfig.bin";
inline constexpr char ApConfigFactory[] = "./modules/setting/apConfigD.bin";
inline constexpr char HardwareDefinition[] = "./modules/setting/HWDef.bin";
inline constexpr char KeyCodeDefinition[] = "./modules/setting/KeyCodeDef.bin";
inline constexpr char SceneUrl[] = "qrc:modules/qml/main.qml";
} // namespace DataPaths
