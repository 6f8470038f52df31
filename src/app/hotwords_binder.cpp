#include "app/hotwords_binder.h"

#include "app/keyword_list_box.h"
#include "app/main_window.h"
#include "hotwords/dump_file.h"
#include "hotwords/hotword_fetch.h"
#include "hotwords/page_fetcher.h"
#include "hotwords/sources.h"

#include <QPushButton>
#include <QRadioButton>

namespace vantorix::app {

namespace {

const QString kIdleCaption = QStringLiteral("获取");
const QString kBusyCaption = QStringLiteral("正在获取..");

} // namespace

HotwordsBinder::HotwordsBinder(MainWindow &window, const config::Settings &settings,
                               hotwords::PageFetcher &fetcher)
    : QObject(&window), m_controls(window.controls()), m_settings(settings), m_fetcher(fetcher)
{
    connect(m_controls.Command10, &QPushButton::clicked, this, &HotwordsBinder::fetch);
}

void HotwordsBinder::fetch()
{
    m_controls.Command10->setEnabled(false);
    m_controls.Command10->setText(kBusyCaption);
    // The first checked option, in the sources' order, names the source.
    for (const auto &[source, option] : m_controls.hotwordOptions) {
        if (option->isChecked()) {
            auto *pending = new hotwords::HotwordFetch(m_fetcher, *source, m_settings, this);
            connect(pending, &hotwords::HotwordFetch::finished, this,
                    [this](const QString &words) { finish(words); });
            return;
        }
    }
    finish(QString());
}

void HotwordsBinder::finish(const QString &wordList)
{
    // The list is read only now, so a list tool used during the fetch keeps
    // its result.
    KeywordListBox *list = m_controls.Text1;
    list->pasteBack(list->text() + wordList);
    m_controls.Command10->setText(kIdleCaption);
    m_controls.Command10->setEnabled(true);
    // The window shows no write error, as with every other failure here.
    hotwords::writeDumpFile(wordList, m_settings);
}

} // namespace vantorix::app
