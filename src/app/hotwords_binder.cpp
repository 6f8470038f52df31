#include "app/hotwords_binder.h"

#include "app/keyword_list_box.h"
#include "app/main_window.h"
#include "layout/page_layout.h"
#include "web/dump_file.h"
#include "web/hotword_fetch.h"
#include "web/page_fetcher.h"

#include <QPushButton>
#include <QRadioButton>

namespace vantorix::app {

namespace {

const QString kIdleCaption = QStringLiteral("获取");
const QString kBusyCaption = QStringLiteral("正在获取..");

} // namespace

HotwordsBinder::HotwordsBinder(MainWindow &window, const config::Settings &settings,
                               web::PageFetcher &fetcher,
                               std::shared_ptr<const layout::PageLayout> layout)
    : QObject(&window), m_controls(window.controls()), m_settings(settings), m_fetcher(fetcher),
      m_layout(std::move(layout))
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
            std::optional<web::HotlistReading> reading = m_layout->hotlist(*source);
            if (!reading)
                break;
            auto *pending = new web::HotwordFetch(m_fetcher, std::move(*reading), this);
            connect(pending, &web::HotwordFetch::finished, this,
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
    KeywordListBox *list = m_controls.Text1;
    list->pasteBack(list->text() + wordList);
    m_controls.Command10->setText(kIdleCaption);
    m_controls.Command10->setEnabled(true);
    // The window shows no write error, as with every other failure here.
    static_cast<void>(web::writeDumpFile(wordList, m_settings));
}

} // namespace vantorix::app
