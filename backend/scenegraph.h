#pragma once

// Selects Qt Quick's software renderer for the scene unless QT_QUICK_BACKEND
// names another. Call before the first view exists.
void chooseSceneGraphBackend();
