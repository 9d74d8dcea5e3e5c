#pragma once

#include "virtualkeyboard.h"

#include <QByteArray>
#include <array>
#include <chrono>
#include <deque>
#include <optional>

// The faults a test has planned for the virtual keyboard's HID calls, per
// call kind and interface. Not thread-safe: the virtual keyboard consults it
// under its own lock.
class HidFaults
{
public:
    void failNext(HidCall call, HidInterface interface, int count);
    // True when this call is to fail; uses up one planned failure.
    bool takeFailure(HidCall call, HidInterface interface);

    void setDelay(HidCall call, HidInterface interface, int milliseconds);
    std::chrono::milliseconds delay(HidCall call, HidInterface interface) const;

    void setReadsUnanswered(HidInterface interface, bool unanswered);
    bool readsUnanswered(HidInterface interface) const;

    // Injected reports, oldest first; each takes the place of one report the
    // firmware would have delivered.
    void injectInputReport(HidInterface interface, const QByteArray& bytes);
    bool hasInjectedInput(HidInterface interface) const;
    QByteArray takeInjectedInput(HidInterface interface);
    void injectFeatureReply(const QByteArray& bytes);
    std::optional<QByteArray> takeFeatureReply();

    void clear();

private:
    static constexpr int CallKinds = int(HidCall::Read) + 1;
    static constexpr int Interfaces = int(HidInterface::Event) + 1;
    template <typename T> using PerCall = std::array<std::array<T, Interfaces>, CallKinds>;

    PerCall<int> m_failures{};
    PerCall<int> m_delaysMs{};
    std::array<bool, Interfaces> m_unanswered{};
    std::array<std::deque<QByteArray>, Interfaces> m_injectedInput;
    std::deque<QByteArray> m_injectedReplies;
};
