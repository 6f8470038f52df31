#include "layout/engine_layout.h"

#include "config/host_check.h"
#include "web/urls.h"

namespace vantorix::layout {

namespace {

const QString kAntispiderPath = QStringLiteral("/antispider");
const QString kVerificationCode = QStringLiteral("验证码");

QString plainHost(const QUrl &address)
{
    QString host = address.host().toLower();
    if (host.endsWith(QLatin1Char('.')))
        host.chop(1);
    return host;
}

} // namespace

QString engineHost(const QString &setting, const QString &classicDefault, const QString &today)
{
    return setting == classicDefault ? today : setting;
}

EngineLayout::EngineLayout(QString host, QString queryPath)
    : m_host(std::move(host)), m_queryPath(std::move(queryPath))
{
}

QUrl EngineLayout::searchUrl(const QString &keyword) const
{
    return web::pageUrl(
        m_host,
        m_queryPath.arg(QString::fromLatin1(keyword.toUtf8().toPercentEncoding())).toLatin1());
}

std::optional<QUrl> EngineLayout::retryAddress(const QUrl &, const QString &) const
{
    return std::nullopt;
}

bool EngineLayout::throttlesClients() const
{
    return true;
}

bool EngineLayout::isBlockAddress(const QUrl &target) const
{
    const QString path = target.path();
    if (path == kAntispiderPath || path.startsWith(kAntispiderPath + QLatin1Char('/')))
        return true;
    return plainHost(target) != plainHost(QUrl(config::baseAddress(m_host)));
}

bool EngineLayout::isBlockPage(const QString &pageText) const
{
    return !holdsResults(pageText) && pageText.contains(kVerificationCode);
}

bool EngineLayout::usesSeedMarkers() const
{
    return false;
}

bool EngineLayout::hasSuggestions() const
{
    return false;
}

QUrl EngineLayout::suggestUrl(const QString &) const
{
    return {};
}

Suggestions EngineLayout::suggestions(const QString &) const
{
    return {};
}

std::optional<web::HotlistReading> EngineLayout::hotlist(const HotwordSource &) const
{
    return std::nullopt;
}

} // namespace vantorix::layout
