#pragma once

#include <QString>

#include <optional>

// A whole-number setting held as the text of a read-only box and changed only by
// its two arrows, one fixed step at a time. Each arrow may have a stop value: at
// the stop (or beyond it) the arrow changes nothing, and no step goes past it.
class Spinner
{
public:
    // step > 0; the down arrow subtracts it, the up arrow adds it.
    Spinner(int value, int step, std::optional<int> downStop, std::optional<int> upStop);

    int value() const { return m_value; }
    // The box's text: the whole number without decimals.
    QString text() const { return QString::number(m_value); }
    void setValue(int value) { m_value = value; }

    // The value the arrow would give, or nothing when it is at its stop.
    std::optional<int> nextDown() const;
    std::optional<int> nextUp() const;

    // Applies the arrow; false when it was at its stop and nothing changed.
    bool down();
    bool up();

private:
    int m_value = 0;
    int m_step = 1;
    std::optional<int> m_downStop;
    std::optional<int> m_upStop;
};
