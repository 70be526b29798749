#include "spinner.h"

#include <algorithm>

Spinner::Spinner(int value, int step, std::optional<int> downStop, std::optional<int> upStop)
    : m_value(value)
    , m_step(step)
    , m_downStop(downStop)
    , m_upStop(upStop)
{
}

std::optional<int> Spinner::nextDown() const
{
    // "At or beyond" rather than only "at": a value set outside the range can
    // still only come back towards it.
    if (m_downStop && m_value <= *m_downStop)
        return std::nullopt;
    // A value off the steps' grid (a screen size) stops at the stop, not past it.
    return m_downStop ? std::max(m_value - m_step, *m_downStop) : m_value - m_step;
}

std::optional<int> Spinner::nextUp() const
{
    if (m_upStop && m_value >= *m_upStop)
        return std::nullopt;
    return m_upStop ? std::min(m_value + m_step, *m_upStop) : m_value + m_step;
}

bool Spinner::down()
{
    const auto next = nextDown();
    if (next)
        m_value = *next;
    return next.has_value();
}

bool Spinner::up()
{
    const auto next = nextUp();
    if (next)
        m_value = *next;
    return next.has_value();
}
