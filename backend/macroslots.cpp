// The backend's macro slots.
#include "macroencoder.h"
#include "myqquickview.h"

QStringList myQQuickView::loadMacroIni(QVariant name)
{
    return macroLibrary.steps(name.toString());
}

QList<uchar> myQQuickView::macroIncode(QStringList macros)
{
    return encodeMacro(macros, KeyNameTable);
}
