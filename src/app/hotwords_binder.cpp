#include "app/hotwords_binder.h"

#include "app/keyword_list_box.h"
#include "app/main_window.h"
#include "hotwords/dump_file.h"
#include "hotwords/hotword_fetch.h"
#include "hotwords/page_fetcher.h"
#include "hotwords/sources.h"
#include "layout/page_layout.h"

#include <QAbstractButton>

namespace vantorix::app {

namespace {

const QString kIdleCaption = QStringLiteral("获取");
const QString kBusyCaption = QStringLiteral("正在获取..");

} // namespace

HotwordsBinder::HotwordsBinder(MainWindow &window, const config::Settings &settings,
                               hotwords::PageFetcher &fetcher,
                               std::shared_ptr<const layout::PageLayout> layout)
    : QObject(&window), m_window(window), m_settings(settings), m_fetcher(fetcher),
      m_layout(std::move(layout))
{
    if (QAbstractButton *button = window.button("Command10"))
        connect(button, &QAbstractButton::clicked, this, &HotwordsBinder::fetch);
}

void HotwordsBinder::fetch()
{
    QAbstractButton *button = m_window.button("Command10");
    if (button) {
        button->setEnabled(false);
        button->setText(kBusyCaption);
    }
    // The first checked option, in the table's order, names the source.
    for (const hotwords::HotwordSource &source : hotwords::hotwordSources()) {
        const auto *option = m_window.findChild<QAbstractButton *>(source.option);
        if (option && option->isChecked()) {
            std::optional<hotwords::HotlistReading> reading = m_layout->hotlist(source);
            if (!reading)
                break;
            auto *pending = new hotwords::HotwordFetch(m_fetcher, std::move(*reading), this);
            connect(pending, &hotwords::HotwordFetch::finished, this,
                    [this](const Result<QString> &words) { finish(words ? *words : QString()); });
            return;
        }
    }
    finish(QString());
}

void HotwordsBinder::finish(const QString &wordList)
{
    // The list is read only now, so a list tool used during the fetch keeps
    // its result.
    KeywordListBox *list = m_window.listBox();
    list->pasteBack(list->text() + wordList);
    if (QAbstractButton *button = m_window.button("Command10")) {
        button->setText(kIdleCaption);
        button->setEnabled(true);
    }
    // The window shows no write error, as with every other failure here.
    static_cast<void>(hotwords::writeDumpFile(wordList, m_settings));
}

} // namespace vantorix::app
