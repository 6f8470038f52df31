#include "app/mining_binder.h"

#include "app/general_date.h"
#include "app/keyword_list_box.h"
#include "app/main_window.h"
#include "config/settings.h"
#include "hotwords/page_fetcher.h"
#include "hotwords/urls.h"
#include "mining/jcf.h"
#include "mining/mining_run.h"
#include "mining/readouts.h"
#include "mining/seed_markers.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace vantorix::app {

namespace {

const QString kLoadingCaption = QStringLiteral("稍等载入..");
const QString kReadyCaption = QStringLiteral("开始挖掘");

} // namespace

MiningBinder::MiningBinder(MainWindow &window, const config::Settings &settings,
                           hotwords::PageFetcher &fetcher)
    : QObject(&window), m_window(window), m_fetcher(fetcher),
      m_run(new mining::MiningRun(&m_fetcher, settings.hosts.search, {settings.concurrency, 0, 0},
                                  this))
{
    // Held back until the seed marker page has loaded.
    if (QAbstractButton *start = window.button("Command4")) {
        start->setText(kLoadingCaption);
        start->setEnabled(false);
        connect(start, &QAbstractButton::clicked, this, &MiningBinder::start);
    }
    if (QAbstractButton *stop = window.button("Command5"))
        connect(stop, &QAbstractButton::clicked, m_run, &mining::MiningRun::requestStop);
    if (QAbstractButton *filterSwitch = window.button("Check4"))
        connect(filterSwitch, &QAbstractButton::toggled, this, &MiningBinder::switchFilter);
    connect(window.clockTimer(), &QTimer::timeout, this, &MiningBinder::showElapsed);

    auto label = [&window](const char *name) { return window.control<QLabel>(name); };
    if (QLabel *querying = label("Label2"))
        connect(m_run, &mining::MiningRun::querying, querying, &QLabel::setText);
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
    hotwords::PageFetch *fetch = m_fetcher.get(hotwords::markerPageUrl(settings.hosts.publisher));
    // Mining must not wait on the publisher's site: a failed load releases the
    // button too, and the run falls back to the built-in markers.
    connect(fetch, &hotwords::PageFetch::finished, this,
            [this](const hotwords::FetchResult &result) { markerPageLoaded(result.text); });
}

void MiningBinder::markerPageLoaded(const QString &body)
{
    if (QAbstractButton *start = m_window.button("Command4")) {
        start->setText(kReadyCaption);
        start->setEnabled(true);
    }
    m_seedMarkers = mining::parseSeedMarkers(body);
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

void MiningBinder::showElapsed()
{
    if (m_run->runState() != mining::MiningRun::Running)
        return;
    if (QLabel *elapsed = m_window.control<QLabel>("Label6"))
        elapsed->setText(mining::elapsedText(
            mining::elapsedSeconds(m_run->startTime(), QDateTime::currentDateTime())));
}

} // namespace vantorix::app
