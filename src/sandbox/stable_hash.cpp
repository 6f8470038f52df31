#include "sandbox/stable_hash.h"

namespace vantorix::sandbox {

namespace {
constexpr quint64 kFnvOffset = 14695981039346656037ULL;
constexpr quint64 kFnvPrime = 1099511628211ULL;
} // namespace

quint64 mix64(quint64 value)
{
    value += 0x9e3779b97f4a7c15ULL;
    value = (value ^ (value >> 30)) * 0xbf58476d1ce4e5b9ULL;
    value = (value ^ (value >> 27)) * 0x94d049bb133111ebULL;
    return value ^ (value >> 31);
}

quint64 stableHash(quint64 seed, QStringView text)
{
    quint64 hash = kFnvOffset ^ mix64(seed);
    for (const QChar c : text) {
        hash = (hash ^ (c.unicode() & 0xff)) * kFnvPrime;
        hash = (hash ^ (c.unicode() >> 8)) * kFnvPrime;
    }
    return mix64(hash);
}

quint64 stableHash(quint64 seed, QByteArrayView bytes)
{
    quint64 hash = kFnvOffset ^ mix64(seed);
    for (const char c : bytes)
        hash = (hash ^ static_cast<quint8>(c)) * kFnvPrime;
    return mix64(hash);
}

quint64 SplitMix::next()
{
    m_state += 0x9e3779b97f4a7c15ULL;
    return mix64(m_state);
}

int SplitMix::below(int bound)
{
    return static_cast<int>(next() % static_cast<quint64>(bound));
}

double SplitMix::unit()
{
    return static_cast<double>(next() >> 11) * 0x1.0p-53;
}

} // namespace vantorix::sandbox
