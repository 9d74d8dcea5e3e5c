#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;
class QWindow;

// Moves the frameless window for the scene's drag area. At the first offset
// the scene reports for a mouse press, the platform is asked to move the
// window (the compositor or window manager then follows the pointer; on
// Wayland nothing else can move a window). Where the platform refuses, the
// window follows the scene's offsets, moved by the program, until the next
// press asks again.
class WindowMove : public QObject
{
    Q_OBJECT
public:
    // Starts the platform's move of a window; false when refused.
    using SystemMove = std::function<bool(QWindow*)>;

    // The mover of the top-level `window`, made on first use as its child.
    static WindowMove* of(QWidget* window);

    // `systemMove` defaults to QWindow::startSystemMove.
    explicit WindowMove(QWidget* window, SystemMove systemMove = {});
    ~WindowMove() override;

    // Called with each offset the scene reports: true when the program is
    // to move the window by it, false while the platform moves the window.
    bool movesByOffsets();

    void setSystemMove(SystemMove move);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Drag
    {
        NotAsked,
        ByPlatform,
        ByOffsets
    };

    QPointer<QWidget> window;
    SystemMove systemMove;
    Drag drag = Drag::NotAsked;
};
