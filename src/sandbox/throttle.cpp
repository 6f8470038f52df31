#include "sandbox/throttle.h"

#include "sandbox/stable_hash.h"

#include <algorithm>

namespace vantorix::sandbox {

Throttle::Throttle(quint64 seed, double blockRate, double rateLimit, int cooldownSeconds)
    : m_seed(seed), m_blockRate(blockRate), m_rateLimit(rateLimit),
      m_cooldownMs(qint64(cooldownSeconds) * 1000)
{
    m_clock.start();
}

const char *Throttle::overLimit(const QString &client)
{
    if (m_rateLimit <= 0)
        return nullptr;
    const qint64 now = m_clock.elapsed();
    const double burst = std::max(1.0, m_rateLimit);
    auto found = m_buckets.find(client);
    if (found == m_buckets.end())
        found = m_buckets.insert(client, {burst, now, -1});
    Bucket &bucket = *found;
    bucket.tokens =
        std::min(burst, bucket.tokens + double(now - bucket.filledAt) * m_rateLimit / 1000);
    bucket.filledAt = now;
    if (now < bucket.coolUntil)
        return "cooling down";
    if (bucket.tokens >= 1) {
        bucket.tokens -= 1;
        return nullptr;
    }
    bucket.coolUntil = now + m_cooldownMs;
    return "over the rate limit";
}

Block Throttle::next(const QString &client, const QByteArray &pathAndQuery)
{
    const QByteArray key = pathAndQuery + '#' + QByteArray::number(++m_asked[pathAndQuery]);
    const quint64 hash = stableHash(m_seed ^ 0xb10cULL, QByteArrayView(key));
    const char *reason = overLimit(client);
    if (!reason && static_cast<double>(hash >> 11) * 0x1.0p-53 < m_blockRate)
        reason = "block rate";
    if (!reason)
        return {};
    const quint64 form = mix64(hash) % 3;
    if (form == 0)
        return {BlockForm::VerificationPage, {}, reason};
    return {BlockForm::CaptchaRedirect,
            form == 1 ? QStringLiteral("wappass.baidu.com")
                      : QStringLiteral("seccaptcha.baidu.com"),
            reason};
}

} // namespace vantorix::sandbox
