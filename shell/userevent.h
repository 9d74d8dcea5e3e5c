#pragma once

#include <QEvent>

// The start-up continuation event posted to the main window.
class UserEvent : public QEvent
{
public:
    static constexpr QEvent::Type StartUpType = QEvent::User; // 1000
    static constexpr int StartUpCode = 2177;

    explicit UserEvent(int code, QEvent::Type type = StartUpType) : QEvent(type), code(code) {}

    int code;
};
