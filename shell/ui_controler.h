#pragma once

#include <QObject>
#include <QUrl>

class QWidget;
class myQQuickView;
class Widget;

// Offers the scene moving and closing the frameless window, and switches the
// scene's busy protection. Its constructor sets up the window and the scene.
// Not owned by the window: the window schedules its deletion.
class Ui_Controler : public QObject
{
    Q_OBJECT
public:
    // Sets up `window` (frameless, transparent, carrying the scene), creates
    // the backend view as the window's child and publishes it, the window's
    // device worker and this controller to the scene.
    // `scene` is the root document to show.
    Ui_Controler(Widget* window, const QUrl& scene);

    QWidget* window = nullptr;    // not owned
    myQQuickView* view = nullptr; // a child widget of `window`

public slots:
    void onMinimize();
    void onXChanged(int x);
    void onYChanged(int y);
    void setBusy(int busyTime = 0);
};
