#pragma once

#include <atomic>

// Process-wide: true while the active language pack passes its check string.
// The language packs set it; while it is false the transport sends nothing.
extern std::atomic<bool> languagePackValid;
