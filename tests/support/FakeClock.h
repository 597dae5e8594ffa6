// A clock for tests: starts at a chosen time and moves on a fixed step at every reading.
#pragma once

#include "base/Clock.h"

#include <memory>

class FakeClock
{
public:
    explicit FakeClock(const QDateTime& start, int stepMs = 250) : m_state(std::make_shared<State>())
    {
        m_state->now = start;
        m_state->stepMs = stepMs;
        auto state = m_state;
        Clock::setSource([state] {
            const QDateTime t = state->now;
            state->now = state->now.addMSecs(state->stepMs);
            ++state->readings;
            return t;
        });
    }
    ~FakeClock() { Clock::setSource(nullptr); }

    int readings() const { return m_state->readings; }
    QDateTime now() const { return m_state->now; }

private:
    struct State
    {
        QDateTime now;
        int stepMs = 250;
        int readings = 0;
    };
    std::shared_ptr<State> m_state;
};
