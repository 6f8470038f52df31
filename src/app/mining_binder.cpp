#include "app/mining_binder.h"

#include "app/browser_panel.h"
#include "app/general_date.h"
#include "app/keyword_list_box.h"
#include "app/main_window.h"
#include "config/settings.h"
#include "layout/page_layout.h"
#include "mining/fetch_policy.h"
#include "mining/jcf.h"
#include "mining/mining_run.h"
#include "mining/readouts.h"
#include "mining/seed_markers.h"
#include "web/urls.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

namespace vantorix::app {

namespace {

const QString kLoadingCaption = QStringLiteral("稍等载入..");
const QString kReadyCaption = QStringLiteral("开始挖掘");

// The start button's source menu, in its order.
const struct
{
    mining::SourceChoice source;
    const char16_t *caption;
} kSourceItems[] = {{mining::SourceChoice::Related, u"相关搜索"},
                    {mining::SourceChoice::Suggest, u"下拉词"},
                    {mining::SourceChoice::Both, u"两者"}};

// The engines submenu, in the run's engine order: the chosen Baidu layout,
// then Sogou and 360.
const char16_t *const kEngineCaptions[] = {u"百度", u"搜狗", u"360"};

// Every engine the window may ask; Baidu's pages are read as `baidu` is.
std::vector<mining::RunEngine> windowEngines(const config::Settings &settings,
                                             web::PageFetcher &fetcher,
                                             std::shared_ptr<const layout::PageLayout> baidu,
                                             QObject *owner)
{
    std::vector<mining::RunEngine> engines{
        {&fetcher, baidu, mining::fetchPolicy(settings, *baidu)}};
    for (const QString &name : layout::engineNames().mid(1)) {
        mining::EngineSetup engine = mining::engineSetup(settings, name);
        // Each engine keeps its own cookies.
        engines.push_back({new web::PageFetcher(settings, owner), std::move(engine.layout),
                           std::move(engine.policy)});
    }
    return engines;
}

} // namespace

MiningBinder::MiningBinder(MainWindow &window, const config::Settings &settings,
                           web::PageFetcher &fetcher,
                           std::shared_ptr<const layout::PageLayout> layout)
    : QObject(&window), m_controls(window.controls()),
      m_run(new mining::MiningRun(windowEngines(settings, fetcher, layout, this), this)),
      m_source(mining::SourceChoice::Related)
{
    const Controls &c = m_controls;
    c.Command4->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(c.Command4, &QWidget::customContextMenuRequested, this, &MiningBinder::showSourceMenu);
    chooseSource(m_source);
    // Held back until the seed marker page has loaded.
    c.Command4->setText(kLoadingCaption);
    c.Command4->setEnabled(false);
    connect(c.Command4, &QPushButton::clicked, this, &MiningBinder::start);
    connect(c.Command5, &QPushButton::clicked, m_run, &mining::MiningRun::requestStop);
    connect(c.Check4, &QCheckBox::toggled, this, &MiningBinder::switchFilter);
    connect(c.Timer1, &QTimer::timeout, this, &MiningBinder::showElapsed);
    connect(c.Timer1, &QTimer::timeout, this, &MiningBinder::showBackoff);

    // Blocks and failures are shown, as a run that ends blocked or without
    // network would otherwise look complete.
    connect(m_run, &mining::MiningRun::querying, this, &MiningBinder::showQuerying);
    for (int engine = 0; engine < m_run->engineCount(); ++engine)
        connect(&m_run->fetching(engine), &mining::FetchScheduler::blocked, this,
                [this](const QString &keyword, const QString &, int, qint64 retryInMs) {
                    onBlocked(keyword, retryInMs);
                });
    connect(m_run, &mining::MiningRun::finished, this, &MiningBinder::onFinished);
    connect(m_run, &mining::MiningRun::countChanged, c.Label7, &QLabel::setText);
    connect(m_run, &mining::MiningRun::started, c.Label5, [label = c.Label5](const QDateTime &t) {
        label->setText(mining::kStartTimeCaption + generalDateText(t));
    });

    KeywordListBox *list = c.Text1;
    connect(m_run, &mining::MiningRun::firstHarvest, list, &KeywordListBox::appendDirect);
    // A run rewrites the list after every query; keeping each of those as an
    // undo step would hold every intermediate list in memory.
    connect(m_run, &mining::MiningRun::listReplaced, list, [list](const QString &seen) {
        list->pasteBack(seen, KeywordListBox::History::Forget);
    });

    loadMarkerPage(settings, fetcher);
}

void MiningBinder::loadMarkerPage(const config::Settings &settings, web::PageFetcher &fetcher)
{
    // Every top-level page the panel shows is read, the first and any the
    // person navigates to. Mining must not wait on the publisher's site: a
    // failed load releases the button too, and the run falls back to the
    // built-in markers.
    connect(m_controls.WebBrowser1, &BrowserPanel::topLevelLoaded, this,
            &MiningBinder::markerPageLoaded);
    m_controls.WebBrowser1->showPage(web::markerPageUrl(settings.hosts.publisher), fetcher);
}

void MiningBinder::markerPageLoaded(const QString &body)
{
    m_controls.Command4->setText(kReadyCaption);
    m_controls.Command4->setEnabled(true);
    // The panel shows the page whatever the layout; only a run that cuts
    // its seed with the markers reads them.
    m_seedMarkers = m_run->needsSeedMarkers() ? mining::parseSeedMarkers(body) : QStringList();
}

void MiningBinder::start()
{
    const Controls &c = m_controls;
    m_run->start({c.Text3->text(),
                  c.Text4->text(),
                  c.Text6->text(),
                  c.Text5->text(),
                  m_seedMarkers,
                  m_source,
                  mining::Expansion::None,
                  0,
                  {},
                  m_engines});
}

void MiningBinder::showSourceMenu(const QPoint &position)
{
    QPushButton *button = m_controls.Command4;
    auto *menu = new QMenu(button);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    auto *choices = new QActionGroup(menu);
    for (const auto &item : kSourceItems) {
        QAction *action = menu->addAction(QString::fromUtf16(item.caption), this,
                                          [this, source = item.source] { chooseSource(source); });
        action->setCheckable(true);
        action->setChecked(item.source == m_source);
        choices->addAction(action);
    }
    QMenu *engines = menu->addMenu(QStringLiteral("搜索引擎"));
    for (int engine = 0; engine < int(std::size(kEngineCaptions)); ++engine) {
        QAction *action = engines->addAction(QString::fromUtf16(kEngineCaptions[engine]));
        action->setCheckable(true);
        action->setChecked(m_engines.contains(engine));
        connect(action, &QAction::toggled, this, [this, engine, action](bool on) {
            toggleEngine(engine, on);
            // The last engine stays chosen.
            action->setChecked(m_engines.contains(engine));
        });
    }
    // Shown, not run in a loop of its own.
    menu->popup(button->mapToGlobal(position));
}

void MiningBinder::chooseSource(mining::SourceChoice source)
{
    m_source = source;
    showChoices();
}

void MiningBinder::toggleEngine(int engine, bool on)
{
    if (on == m_engines.contains(engine) || (!on && m_engines.size() == 1))
        return;
    if (on)
        m_engines.append(engine);
    else
        m_engines.removeOne(engine);
    std::sort(m_engines.begin(), m_engines.end());
    showChoices();
}

void MiningBinder::showChoices()
{
    QString source;
    for (const auto &item : kSourceItems)
        if (item.source == m_source)
            source = QString::fromUtf16(item.caption);
    QStringList engines;
    for (const int engine : std::as_const(m_engines))
        engines.append(QString::fromUtf16(kEngineCaptions[engine]));
    m_controls.Command4->setToolTip(
        QStringLiteral("挖掘来源：") + source + QStringLiteral("；搜索引擎：") +
        engines.join(QStringLiteral("、")) + QStringLiteral("（右键更改）"));
}

void MiningBinder::switchFilter(bool on)
{
    m_controls.Text5->setEnabled(on);
    m_controls.Text5->setText(on ? QString() : mining::kFilterOff);
}

void MiningBinder::showQuerying(const QString &keyword)
{
    m_querying = keyword;
    m_blockedKeyword.reset();
    showStatus(keyword);
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
    if (!m_blockedKeyword)
        return;
    const qint64 left = (m_retryAt.remainingTime() + 999) / 1000;
    if (left > 0) {
        showStatus(mining::backoffText(left, *m_blockedKeyword));
        return;
    }
    m_blockedKeyword.reset();
    showStatus(m_querying);
}

void MiningBinder::onFinished()
{
    m_blockedKeyword.reset();
    QStringList notes;
    if (const int blocked = m_run->stayedBlocked(); blocked > 0)
        notes.append(mining::stayedBlockedText(blocked));
    if (const int failed = m_run->failedCount(); failed > 0)
        notes.append(mining::failedText(failed, m_run->firstFailure()));
    if (!notes.isEmpty())
        showStatus(notes.join(QStringLiteral("；")));
}

void MiningBinder::showStatus(const QString &text)
{
    // The label ends where the count column begins; a long message is cut
    // there and shown whole in the tooltip.
    QLabel *label = m_controls.Label2;
    const QString shown =
        label->fontMetrics().elidedText(text, Qt::ElideRight, label->contentsRect().width());
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : text);
}

void MiningBinder::showElapsed()
{
    if (m_run->runState() != mining::MiningRun::Running)
        return;
    m_controls.Label6->setText(mining::elapsedText(
        mining::elapsedSeconds(m_run->startTime(), QDateTime::currentDateTime())));
}

} // namespace vantorix::app
