#pragma once

#include "virtualkeyboard.h"

#include <QString>

// The state a new keyboard leaves the factory with, as the program's factory
// profile file describes it.
struct FactoryProfile
{
    VirtualProfile profile; // all zeros where the file could not be read
    QString error;          // empty when the whole file was read
};

// Reads the lighting values ("color/ledType", seven device bytes), the seven
// colours ("color/color", 21 channels in scene units 0 … 255) and the key
// matrix of one layout mode ("keydefine<mode>/<slot>" = low, high) from a
// profile file. Nothing is taken from a file with any bad entry. Pictures
// stay dark: a new keyboard has none.
FactoryProfile readFactoryProfile(const QString& file, quint8 layoutMode);

// A keyboard with `layoutMode` whose every on-board profile starts from the
// factory profile `file`; `problem` gets why it starts dark instead.
VirtualKeyboardConfig factoryKeyboardConfig(const QString& file, quint8 layoutMode,
                                            QString* problem);
