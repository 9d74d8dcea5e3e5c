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
    // Whether the window is on screen: shown and not minimised. The scene
    // stops its animations while it is not.
    Q_PROPERTY(bool windowShown READ windowShown NOTIFY windowShownChanged)
public:
    // Sets up `window` (frameless, transparent, carrying the scene), creates
    // the backend view as the window's child and publishes it, the window's
    // device worker and this controller to the scene.
    // `scene` is the root document to show.
    Ui_Controler(Widget* window, const QUrl& scene);

    QWidget* window = nullptr;    // not owned
    myQQuickView* view = nullptr; // a child widget of `window`

    bool windowShown() const { return shown; }

signals:
    void windowShownChanged();

public slots:
    void onMinimize();
    void onXChanged(int x);
    void onYChanged(int y);
    void setBusy(int busyTime = 0);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateWindowShown();
    bool shown = false;
};
