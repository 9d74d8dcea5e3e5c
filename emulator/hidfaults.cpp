#include "hidfaults.h"

#include <algorithm>

void HidFaults::failNext(HidCall call, HidInterface interface, int count)
{
    m_failures[int(call)][int(interface)] = std::max(0, count);
}

bool HidFaults::takeFailure(HidCall call, HidInterface interface)
{
    int& remaining = m_failures[int(call)][int(interface)];
    if (remaining == 0)
        return false;
    --remaining;
    return true;
}

void HidFaults::setDelay(HidCall call, HidInterface interface, int milliseconds)
{
    m_delaysMs[int(call)][int(interface)] = std::max(0, milliseconds);
}

std::chrono::milliseconds HidFaults::delay(HidCall call, HidInterface interface) const
{
    return std::chrono::milliseconds(m_delaysMs[int(call)][int(interface)]);
}

void HidFaults::setReadsUnanswered(HidInterface interface, bool unanswered)
{
    m_unanswered[int(interface)] = unanswered;
}

bool HidFaults::readsUnanswered(HidInterface interface) const
{
    return m_unanswered[int(interface)];
}

void HidFaults::injectInputReport(HidInterface interface, const QByteArray& bytes)
{
    m_injectedInput[int(interface)].push_back(bytes);
}

bool HidFaults::hasInjectedInput(HidInterface interface) const
{
    return !m_injectedInput[int(interface)].empty();
}

QByteArray HidFaults::takeInjectedInput(HidInterface interface)
{
    auto& queue = m_injectedInput[int(interface)];
    QByteArray report = queue.front();
    queue.pop_front();
    return report;
}

void HidFaults::injectFeatureReply(const QByteArray& bytes)
{
    m_injectedReplies.push_back(bytes);
}

std::optional<QByteArray> HidFaults::takeFeatureReply()
{
    if (m_injectedReplies.empty())
        return std::nullopt;
    QByteArray reply = m_injectedReplies.front();
    m_injectedReplies.pop_front();
    return reply;
}

void HidFaults::clear()
{
    *this = HidFaults();
}
