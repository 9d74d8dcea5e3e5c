#pragma once

#include <QObject>

class QQuickWidget;
class QWidget;

// Keeps the keyboard on the scene of a top-level window that holds one
// QQuickWidget, so that key presses reach the scene's focused item and Tab
// moves between the scene's items:
//  - the window asks to be activated whenever it is shown;
//  - the view is the window's focus proxy and takes the focus whenever the
//    window has it, also when it is enabled again after busy protection (Qt
//    moves the focus away from a widget that is disabled);
//  - the scene's root item holds the focus inside the scene whenever a scene
//    is loaded, so keys reach it before any control has been chosen.
// Lives as long as the view, its parent; installed once per window.
class KeyboardFocus : public QObject
{
    Q_OBJECT
public:
    static void install(QWidget* window, QQuickWidget* view);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyboardFocus(QWidget* window, QQuickWidget* view);
    void focusRootItem();
    void focusViewIfTheWindowHasTheKeyboard();

    QWidget* window;
    QQuickWidget* view;
};
