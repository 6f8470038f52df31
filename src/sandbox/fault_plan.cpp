#include "sandbox/fault_plan.h"

#include "sandbox/stable_hash.h"

namespace vantorix::sandbox {

namespace {

const struct
{
    const char *name;
    Fault fault;
} kFaultNames[] = {
    {"500", Fault::ServerError},
    {"drop", Fault::DropConnection},
    {"silent", Fault::NoAnswer},
    {"endless", Fault::EndlessBody},
    {"huge", Fault::HugePage},
    {"bad-gbk", Fault::InvalidGbk},
    {"redirect-loop", Fault::RedirectLoop},
};

} // namespace

QList<Fault> defaultFaultKinds()
{
    return {Fault::ServerError, Fault::DropConnection, Fault::NoAnswer};
}

Result<QList<Fault>> parseFaultKinds(const QString &names)
{
    QList<Fault> kinds;
    for (const QString &name : names.split(QLatin1Char(','))) {
        const QString wanted = name.trimmed();
        bool known = false;
        for (const auto &entry : kFaultNames) {
            if (wanted == QLatin1String("all") || wanted == QLatin1String(entry.name)) {
                known = true;
                if (!kinds.contains(entry.fault))
                    kinds.append(entry.fault);
            }
        }
        if (!known)
            return failure(QStringLiteral("unknown fault kind '%1'").arg(wanted));
    }
    return kinds;
}

FaultPlan::FaultPlan(quint64 seed, double failRate, QList<Fault> kinds)
    : m_seed(seed), m_failRate(kinds.isEmpty() ? 0.0 : failRate), m_kinds(std::move(kinds))
{
}

Fault FaultPlan::faultFor(const QByteArray &pathAndQuery, int attempt) const
{
    if (m_failRate <= 0.0)
        return Fault::None;
    const QByteArray key = pathAndQuery + '#' + QByteArray::number(attempt);
    const quint64 hash = stableHash(m_seed ^ 0xfa17ULL, QByteArrayView(key));
    const double draw = static_cast<double>(hash >> 11) * 0x1.0p-53;
    if (draw >= m_failRate)
        return Fault::None;
    return m_kinds.at(qsizetype(mix64(hash) % quint64(m_kinds.size())));
}

Fault FaultPlan::next(const QByteArray &pathAndQuery)
{
    return faultFor(pathAndQuery, ++m_attempts[pathAndQuery]);
}

} // namespace vantorix::sandbox
