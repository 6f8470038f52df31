#pragma once

#include "common/result.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

namespace vantorix::sandbox {

// What the sandbox does to a request instead of answering it normally.
enum class Fault {
    None,
    ServerError,    // a 500 page
    DropConnection, // the connection closes half-way through the answer
    NoAnswer,       // the request is read and never answered; the client has to time out
    EndlessBody,    // the answer starts, then trickles a byte a second and never ends
    HugePage,       // the page, padded to more than 10 MB after its end
    InvalidGbk,     // the page, with bytes that are no GBK after its end
    RedirectLoop,   // a redirect to an address that redirects to itself
};

// The kinds a fail rate chooses from unless told otherwise: 500, drop, silent.
QList<Fault> defaultFaultKinds();

// A comma-separated list of kind names ("500", "drop", "silent", "endless",
// "huge", "bad-gbk", "redirect-loop"), or "all".
Result<QList<Fault>> parseFaultKinds(const QString &names);

// Picks the faulty requests: the n-th request for one path and query is faulty
// when a hash of (seed, path and query, n) falls below the fail rate, and the
// same hash picks the kind, so a retry may succeed and every run with the same
// options and the same order of requests meets the same faults.
class FaultPlan
{
public:
    FaultPlan(quint64 seed, double failRate, QList<Fault> kinds = defaultFaultKinds());

    // The fault of the `attempt`-th (1-based) request for `pathAndQuery`
    // ("/s?wd=%BC%F5", as sent).
    Fault faultFor(const QByteArray &pathAndQuery, int attempt) const;

    // Counts a request and returns its fault.
    Fault next(const QByteArray &pathAndQuery);

private:
    quint64 m_seed;
    double m_failRate;
    QList<Fault> m_kinds;
    QHash<QByteArray, int> m_attempts;
};

} // namespace vantorix::sandbox
