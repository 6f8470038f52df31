#include "sandbox/fault_plan.h"

#include "sandbox/stable_hash.h"

namespace vantorix::sandbox {

FaultPlan::FaultPlan(quint64 seed, double failRate) : m_seed(seed), m_failRate(failRate) {}

Fault FaultPlan::faultFor(const QByteArray &pathAndQuery, int attempt) const
{
    if (m_failRate <= 0.0)
        return Fault::None;
    const QByteArray key = pathAndQuery + '#' + QByteArray::number(attempt);
    const quint64 hash = stableHash(m_seed ^ 0xfa17ULL, QByteArrayView(key));
    const double draw = static_cast<double>(hash >> 11) * 0x1.0p-53;
    if (draw >= m_failRate)
        return Fault::None;
    switch (mix64(hash) % 3) {
    case 0:
        return Fault::ServerError;
    case 1:
        return Fault::DropConnection;
    default:
        return Fault::NoAnswer;
    }
}

Fault FaultPlan::next(const QByteArray &pathAndQuery)
{
    return faultFor(pathAndQuery, ++m_attempts[pathAndQuery]);
}

} // namespace vantorix::sandbox
