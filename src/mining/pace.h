#pragma once

#include <QtGlobal>

namespace vantorix::mining {

// How often one route may start a query: as often as it likes, with a fixed
// gap, or at a rate it learns from the engine's answers. Learning starts
// slow, speeds up step by step while the answers are clean and halves the
// rate at each block (additive increase, multiplicative decrease), never
// above the maximum. It remembers the rate that drew the last block: below
// most of it the steps are large, near it they are small, so a run spends
// its time just under the engine's limit rather than climbing back to it.
// Times are milliseconds on one steady clock.
class Pace
{
public:
    Pace() = default; // unpaced
    static Pace fixed(int gapMs);
    static Pace learning(double maxRate);

    bool isPaced() const { return m_mode != Mode::Free; }
    // Queries per second in force; 0 when unpaced.
    double rate() const;

    // How long after `now` the next query may start; 0: at once.
    qint64 waitAt(qint64 now) const;
    void started(qint64 now);
    // An answer that was no block.
    void answered();
    // A block: the rate halves, once until the next clean answer (blocks of
    // the same spell, retries included, are one).
    void blocked();

private:
    enum class Mode { Free, Fixed, Learning };

    Mode m_mode = Mode::Free;
    double m_gapMs = 0;
    double m_rate = 0;
    double m_maxRate = 0;
    double m_lastBlockRate = 0; // 0 until the first block
    bool m_inBlockSpell = false;
    qint64 m_lastStart = -1;
};

} // namespace vantorix::mining
