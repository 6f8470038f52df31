#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QString>

namespace vantorix::sandbox {

// How a throttled engine answers a query instead of with its result page.
enum class BlockForm {
    None,
    CaptchaRedirect,  // a 302 to a captcha host
    VerificationPage, // a short page titled "百度安全验证"
};

struct Block
{
    BlockForm form = BlockForm::None;
    QString captchaHost; // of a redirect: wappass.baidu.com or seccaptcha.baidu.com
    const char *reason = "";
};

// Picks the search queries a throttled engine blocks: a share of them
// chosen by hashing (seed, path and query, how often it was asked), so that
// a retry may pass and every run with the same requests meets the same
// blocks; and, with a rate limit, every query of a client address that went
// over its token bucket (the limit's worth of queries a second, as many in a
// burst) for the cooldown. The same hash picks the block's form.
class Throttle
{
public:
    Throttle(quint64 seed, double blockRate, double rateLimit, int cooldownSeconds);

    bool isOn() const { return m_blockRate > 0 || m_rateLimit > 0; }
    // Counts a query from `client` and gives its block, if any.
    Block next(const QString &client, const QByteArray &pathAndQuery);

private:
    struct Bucket
    {
        double tokens = 0;
        qint64 filledAt = 0;
        qint64 coolUntil = -1;
    };
    // Why the rate limit blocks the query, or null.
    const char *overLimit(const QString &client);

    quint64 m_seed;
    double m_blockRate;
    double m_rateLimit;
    qint64 m_cooldownMs;
    QHash<QByteArray, int> m_asked;
    QHash<QString, Bucket> m_buckets;
    QElapsedTimer m_clock;
};

} // namespace vantorix::sandbox
