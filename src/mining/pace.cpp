#include "mining/pace.h"

#include <algorithm>
#include <cmath>

namespace vantorix::mining {

namespace {

// Queries per second a learning pace starts at, at most.
constexpr double kStartRate = 1.0;
// Until the first block each clean answer adds this: the rate grows by half
// a second, from 1 to 20 queries a second in about 6 s.
constexpr double kOpeningStep = 0.5;
// Below this share of the rate that drew the last block, each clean answer
// closes this share of the gap.
constexpr double kSafeShare = 0.85;
constexpr double kCatchUp = 0.1;
// Above it the rate creeps up by this many queries per second each second.
constexpr double kProbePerSecond = 0.05;
constexpr double kFloorRate = 0.1;

} // namespace

Pace Pace::fixed(int gapMs)
{
    Pace pace;
    pace.m_mode = gapMs > 0 ? Mode::Fixed : Mode::Free;
    pace.m_gapMs = gapMs;
    return pace;
}

Pace Pace::learning(double maxRate)
{
    Pace pace;
    pace.m_mode = Mode::Learning;
    pace.m_maxRate = maxRate;
    pace.m_rate = std::min(kStartRate, maxRate / 2);
    return pace;
}

double Pace::rate() const
{
    switch (m_mode) {
    case Mode::Fixed:
        return 1000.0 / m_gapMs;
    case Mode::Learning:
        return m_rate;
    case Mode::Free:
        break;
    }
    return 0;
}

qint64 Pace::waitAt(qint64 now) const
{
    if (m_mode == Mode::Free || m_lastStart < 0)
        return 0;
    const double gap = m_mode == Mode::Fixed ? m_gapMs : 1000.0 / m_rate;
    return std::max<qint64>(0, qint64(std::ceil(double(m_lastStart) + gap)) - now);
}

void Pace::started(qint64 now)
{
    m_lastStart = now;
}

void Pace::answered()
{
    m_inBlockSpell = false;
    if (m_mode != Mode::Learning)
        return;
    const double safe = kSafeShare * m_lastBlockRate;
    // Each answer adds step/rate: `step` queries per second each second.
    const double probe = kProbePerSecond / m_rate;
    if (m_lastBlockRate == 0)
        m_rate += kOpeningStep;
    else if (m_rate < safe)
        m_rate += std::max((safe - m_rate) * kCatchUp, probe);
    else
        m_rate += probe;
    m_rate = std::min(m_rate, m_maxRate);
}

void Pace::blocked()
{
    if (m_mode != Mode::Learning || m_inBlockSpell)
        return;
    m_inBlockSpell = true;
    // The first block comes after the opening's quick growth has overshot
    // the limit, by up to twice when the engine lets a burst through.
    m_lastBlockRate = m_lastBlockRate == 0 ? m_rate / 2 : m_rate;
    m_rate = std::max(std::min(kFloorRate, m_maxRate), m_rate / 2);
}

} // namespace vantorix::mining
