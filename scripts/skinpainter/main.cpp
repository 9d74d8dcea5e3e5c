// skinpainter: paints the artwork of every skin and writes it as PNG files.
//
//   skinpainter OUTPUT_DIR      writes OUTPUT_DIR/skin1/... and OUTPUT_DIR/skin2/...
//
// Each picture twice: name.png, and name@2x.png painted at twice the
// resolution for screens scaled above 1 (Qt Quick picks it by itself); only
// the window and page backgrounds stay single (skinwriter.h says why).
//
// Every picture is vector-drawn with QPainter from the skin's palette
// (skinpalette.cpp); the sizes are listed in geometry.h. The output is the
// same, byte for byte, on every run on one machine; other CPUs antialias a
// few pixels differently, so the build paints the skins into its own
// bin/modules/img instead of shipping committed pictures.

#include "canvas.h"
#include "controls.h"
#include "keycaps.h"
#include "menus.h"
#include "pages.h"
#include "skinpalette.h"
#include "skinwriter.h"
#include "window.h"

#include <QGuiApplication>
#include <QTextStream>

namespace {
constexpr int kPixelRatios[] = {1, 2};
} // namespace

int main(int argc, char** argv)
{
    // No window is ever shown; the offscreen platform needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 2 || args.at(1).startsWith(QLatin1Char('-'))) {
        err << "usage: skinpainter OUTPUT_DIR\n"
               "writes OUTPUT_DIR/skin1/... and OUTPUT_DIR/skin2/...\n";
        return 2;
    }
    int failures = 0;
    for (const SkinPalette& pal : skinPalettes()) {
        for (int ratio : kPixelRatios) {
            canvas::setPixelRatio(ratio);
            SkinWriter out(args.at(1), pal.number, ratio);
            paintWindow(pal, out);
            paintMenus(pal, out);
            paintPages(pal, out);
            paintControls(pal, out);
            paintKeycaps(pal, out);
            for (const QString& e : out.errors())
                err << "skinpainter: " << e << '\n';
            failures += int(out.errors().size());
        }
    }
    return failures == 0 ? 0 : 1;
}
