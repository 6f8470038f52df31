#include "app/mining_binder.h"

#include "app/general_date.h"
#include "app/keyword_list_box.h"
#include "app/main_window.h"
#include "config/settings.h"
#include "mining/fetch_policy.h"
#include "mining/jcf.h"
#include "mining/mining_run.h"
#include "mining/readouts.h"
#include "mining/seed_markers.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace vantorix::app {

MiningBinder::MiningBinder(MainWindow &window, const config::Settings &settings,
                           hotwords::PageFetcher &fetcher,
                           std::shared_ptr<const layout::PageLayout> layout)
    : QObject(&window), m_window(window), m_fetcher(fetcher),
      m_run(
          new mining::MiningRun(&m_fetcher, layout, mining::fetchPolicy(settings, *layout), this)),
      m_queryingLabel(window.control<QLabel>("Label2"))
{
    if (QAbstractButton *start = window.button("Command4"))
        connect(start, &QAbstractButton::clicked, this, &MiningBinder::start);
    if (QAbstractButton *stop = window.button("Command5"))
        connect(stop, &QAbstractButton::clicked, m_run, &mining::MiningRun::requestStop);
    if (QAbstractButton *filterSwitch = window.button("Check4"))
        connect(filterSwitch, &QAbstractButton::toggled, this, &MiningBinder::switchFilter);
    connect(window.clockTimer(), &QTimer::timeout, this, &MiningBinder::showElapsed);
    connect(window.clockTimer(), &QTimer::timeout, this, &MiningBinder::showBackoff);

    auto label = [&window](const char *name) { return window.control<QLabel>(name); };
    // Blocks are shown, unlike failures: a run that ends blocked would
    // otherwise look complete.
    connect(m_run, &mining::MiningRun::querying, this, &MiningBinder::showQuerying);
    connect(&m_run->fetching(), &mining::FetchScheduler::blocked, this,
            [this](const QString &keyword, const QString &, int, qint64 retryInMs) {
                onBlocked(keyword, retryInMs);
            });
    connect(m_run, &mining::MiningRun::finished, this, &MiningBinder::onFinished);
    if (QLabel *count = label("Label7"))
        connect(m_run, &mining::MiningRun::countChanged, count, &QLabel::setText);
    if (QLabel *startTime = label("Label5"))
        connect(m_run, &mining::MiningRun::started, startTime, [startTime](const QDateTime &t) {
            startTime->setText(mining::kStartTimeCaption + generalDateText(t));
        });

    KeywordListBox *list = window.listBox();
    connect(m_run, &mining::MiningRun::firstHarvest, list, &KeywordListBox::appendDirect);
    // A run rewrites the list after every query; keeping each of those as an
    // undo step would hold every intermediate list in memory.
    connect(m_run, &mining::MiningRun::listReplaced, list, [list](const QString &seen) {
        list->pasteBack(seen, KeywordListBox::History::Forget);
    });

    loadMarkerPage(settings);
}

void MiningBinder::loadMarkerPage(const config::Settings &settings)
{
    // Mining must not wait on the publisher's site: a failed load releases the
    // button too, and the run falls back to the built-in markers.
    mining::fetchSeedMarkers(m_fetcher, settings.hosts.publisher, this,
                             [this](const Result<QStringList> &markers) {
                                 markerPageLoaded(markers ? *markers : QStringList());
                             });
}

void MiningBinder::markerPageLoaded(const QStringList &seedMarkers)
{
    m_window.releaseStartButton();
    m_seedMarkers = seedMarkers;
}

void MiningBinder::start()
{
    auto text = [this](const char *name) {
        const QLineEdit *box = m_window.textBox(name);
        return box ? box->text() : QString();
    };
    m_run->start({text("Text3"), text("Text4"), text("Text6"), text("Text5"), m_seedMarkers});
}

void MiningBinder::switchFilter(bool on)
{
    if (QLineEdit *filter = m_window.textBox("Text5")) {
        filter->setEnabled(on);
        filter->setText(on ? QString() : mining::kFilterOff);
    }
}

void MiningBinder::showQuerying(const QString &keyword)
{
    m_querying = keyword;
    m_blockedKeyword.reset();
    if (m_queryingLabel)
        m_queryingLabel->setText(keyword);
}

void MiningBinder::onBlocked(const QString &keyword, qint64 retryInMs)
{
    if (retryInMs <= 0)
        return; // tried again at once, or not at all
    m_blockedKeyword = keyword;
    m_retryAt.setRemainingTime(retryInMs);
    showBackoff();
}

void MiningBinder::showBackoff()
{
    if (!m_blockedKeyword || !m_queryingLabel)
        return;
    const qint64 left = (m_retryAt.remainingTime() + 999) / 1000;
    if (left > 0) {
        m_queryingLabel->setText(mining::backoffText(left, *m_blockedKeyword));
        return;
    }
    m_blockedKeyword.reset();
    m_queryingLabel->setText(m_querying);
}

void MiningBinder::onFinished()
{
    m_blockedKeyword.reset();
    if (const int blocked = m_run->stayedBlocked(); blocked > 0 && m_queryingLabel)
        m_queryingLabel->setText(mining::stayedBlockedText(blocked));
}

void MiningBinder::showElapsed()
{
    if (m_run->runState() != mining::MiningRun::Running)
        return;
    if (QLabel *elapsed = m_window.control<QLabel>("Label6"))
        elapsed->setText(mining::elapsedText(
            mining::elapsedSeconds(m_run->startTime(), QDateTime::currentDateTime())));
}

} // namespace vantorix::app
