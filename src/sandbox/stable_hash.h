#pragma once

#include <QByteArrayView>
#include <QStringView>
#include <QtGlobal>

namespace vantorix::sandbox {

// Hashes that give the same value in every run and on every platform (qHash is
// randomised per process), so the sandbox serves byte-identical pages.
quint64 mix64(quint64 value);
quint64 stableHash(quint64 seed, QStringView text);
quint64 stableHash(quint64 seed, QByteArrayView bytes);

// A small deterministic generator (SplitMix64).
class SplitMix
{
public:
    explicit SplitMix(quint64 state) : m_state(state) {}
    quint64 next();
    // Uniform in [0, bound); bound must be positive.
    int below(int bound);
    // Uniform in [0, 1).
    double unit();

private:
    quint64 m_state;
};

} // namespace vantorix::sandbox
