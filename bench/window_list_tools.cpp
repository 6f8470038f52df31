// Times each list tool end to end in the real window (offscreen): the click,
// the tool, the paste-back into the list box and onto the clipboard. Then,
// with the list in the box, the frames of scrolling it end to end and of
// typing into it. ROUNDS 0 measures only the frames.
// Usage: bench_window_list_tools [LINES] [ROUNDS]

#include "app/binders.h"
#include "app/keyword_list_box.h"
#include "app/main_window.h"
#include "config/settings.h"
#include "list/export_text.h"
#include "list/keyword_list.h"
#include "list/root_groups.h"
#include "list/text_file.h"
#include "spreadsheet/sheet.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

using vantorix::app::KeywordListBox;
using vantorix::app::MainWindow;

namespace {

// Keywords like a mining run leaves them: Chinese stems with suffixes, some
// Latin words in mixed case, about one line in four a repeat.
QString makeList(int lines)
{
    const QString stems[] = {QStringLiteral("减肥"), QStringLiteral("瘦身"), QStringLiteral("SEO"),
                             QStringLiteral("健身"), QStringLiteral("饮食")};
    const QString tails[] = {QStringLiteral("方法"), QStringLiteral("食谱"),
                             QStringLiteral("tools"), QStringLiteral("最快"),
                             QStringLiteral("App 推荐")};
    QString text;
    for (int i = 0; i < lines; ++i) {
        const int n = (i % 4 == 3) ? i / 2 : i;
        text += stems[n % 5] + tails[(n / 5) % 5] + QString::number(n) + QStringLiteral("\r\n");
    }
    return text;
}

struct Figure
{
    double median;
    double worst;
};

Figure measure(int rounds, const std::function<void()> &prepare, const std::function<void()> &run)
{
    std::vector<double> ms;
    for (int r = 0; r < rounds; ++r) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        run();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

void report(const char *what, Figure figure)
{
    std::printf("| %s | %.0f | %.0f |\n", what, figure.median, figure.worst);
    std::fflush(stdout);
}

// Counts the paints of the box's lines: a repaint of a window not yet shown
// on its screen paints nothing, and would time nothing.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

// Times `frames` steps, each followed by painting the box's visible lines at
// once, as the screen would show them.
void reportFrames(const char *what, KeywordListBox *box, int frames,
                  const std::function<void(int)> &step)
{
    PaintCounter counter;
    box->viewport()->installEventFilter(&counter);
    std::vector<double> ms;
    for (int i = 0; i < frames; ++i) {
        QElapsedTimer timer;
        timer.start();
        step(i);
        box->viewport()->repaint();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    box->viewport()->removeEventFilter(&counter);
    if (counter.paints < frames) {
        std::fprintf(stderr, "%s: %d of %d frames painted\n", what, counter.paints, frames);
        std::exit(1);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("| %s | %d | %.1f | %.1f | %.1f |\n", what, frames, ms[ms.size() / 2],
                ms[ms.size() * 99 / 100], ms.back());
    std::fflush(stdout);
}

void press(QWidget *to, int key, const QString &text = QString())
{
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, key, Qt::NoModifier, text);
        QApplication::sendEvent(to, &event);
    }
}

// Scrolling end to end and typing, with the list in the box: each frame is
// the scroll or key press and the repaint that follows.
void measureFrames(KeywordListBox *box, const QString &list)
{
    box->pasteBack(list);
    // Until the window is on its (offscreen) screen, a repaint paints nothing.
    while (!box->window()->windowHandle()->isExposed())
        QCoreApplication::processEvents();
    QScrollBar *bar = box->verticalScrollBar();
    const int pages = 200;
    std::printf("\n%d lines in view, scroll bar 0 to %d, milliseconds per frame\n\n",
                bar->pageStep(), bar->maximum());
    std::printf("| Frame | frames | median | p99 | max |\n|---|---|---|---|---|\n");
    // A drag of the thumb from the top to the bottom, 1,000 moves.
    bar->setSliderDown(true);
    reportFrames("drag the scroll bar from top to bottom", box, 1000,
                 [&](int i) { bar->setSliderPosition(qint64(bar->maximum()) * (i + 1) / 1000); });
    bar->setSliderDown(false);
    reportFrames("Ctrl+Home, Ctrl+End (caret and view jump end to end)", box, 20, [&](int i) {
        QKeyEvent event(QEvent::KeyPress, i % 2 ? Qt::Key_End : Qt::Key_Home, Qt::ControlModifier);
        QApplication::sendEvent(box, &event);
    });
    // Paging through a stretch at the top, the middle and the bottom.
    for (const auto &[name, from] : {std::pair{"page down from the top (key)", 0},
                                     std::pair{"page down from the middle (key)", 1},
                                     std::pair{"page up from the bottom (key)", 2}}) {
        QTextCursor cursor(box->document()->findBlockByNumber(from == 0   ? 0
                                                              : from == 1 ? box->blockCount() / 2
                                                                          : box->blockCount() - 1));
        box->setTextCursor(cursor);
        box->ensureCursorVisible();
        reportFrames(name, box, pages,
                     [&](int) { press(box, from == 2 ? Qt::Key_PageUp : Qt::Key_PageDown); });
    }
    reportFrames("page down by the scroll bar, top to bottom", box,
                 bar->maximum() / std::max(1, bar->pageStep()) + 1, [&](int i) {
                     if (i == 0)
                         bar->setValue(0);
                     bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
                 });
    for (const auto &[name, middle] : {std::pair{"type a letter at the end", false},
                                       std::pair{"type a letter in the middle", true}}) {
        QTextCursor cursor(box->document());
        if (middle)
            cursor = QTextCursor(box->document()->findBlockByNumber(box->blockCount() / 2));
        else
            cursor.movePosition(QTextCursor::End);
        box->setTextCursor(cursor);
        box->ensureCursorVisible();
        reportFrames(name, box, 50, [&](int) { press(box, Qt::Key_A, QStringLiteral("a")); });
    }
}

} // namespace

int main(int argc, char *argv[])
{
    // The browser engine refuses to start as root unless told to; a benchmark
    // machine runs this as root, on pages from 127.0.0.1 only.
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int lines = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    const int rounds = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 5;

    const auto window = MainWindow::create().value();
    vantorix::config::Settings settings;
    vantorix::app::installBinders(*window, settings);
    window->show();
    KeywordListBox *box = window->controls().Text1;
    const QString list = makeList(lines);
    const auto reset = [&] { box->pasteBack(list); };
    const auto click = [&](const char *name) {
        return
            [&window, name] { window->findChild<QAbstractButton *>(QLatin1String(name))->click(); };
    };

    std::printf("%d lines (%lld characters), %d rounds, milliseconds\n\n", lines,
                qlonglong(list.size()), rounds);
    if (rounds == 0) {
        measureFrames(box, list);
        return 0;
    }
    std::printf("| Operation | median | worst |\n|---|---|---|\n");
    report("paste-back of the list", measure(
                                         rounds, [&] { box->clearList(); }, reset));
    report("read the list after a user edit", measure(
                                                  rounds,
                                                  [&] {
                                                      reset();
                                                      box->moveCursor(QTextCursor::End);
                                                      box->insertPlainText(QStringLiteral("x"));
                                                  },
                                                  [&] { (void)box->text(); }));
    report("undo a paste-back", measure(
                                    rounds,
                                    [&] {
                                        box->clearList();
                                        reset();
                                    },
                                    [&] { box->undo(); }));

    window->controls().Text9->setText(QStringLiteral("seo"));
    report("contains \"seo\" (Command15)", measure(rounds, reset, click("Command15")));
    window->controls().Text2->setText(QStringLiteral("减肥"));
    report("not containing \"减肥\" (Command8)", measure(rounds, reset, click("Command8")));
    window->controls().Text8->setText(QStringLiteral("8"));
    report("longer than 8 (Command13)", measure(rounds, reset, click("Command13")));
    report("remove duplicates (Command6)", measure(rounds, reset, click("Command6")));
    report("shuffle (Command2)", measure(rounds, reset, click("Command2")));
    report("clear (Command9)", measure(rounds, reset, click("Command9")));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("export.txt"));
    for (const auto encoding :
         {vantorix::list::TextEncoding::Utf8, vantorix::list::TextEncoding::Gbk}) {
        const bool gbk = encoding == vantorix::list::TextEncoding::Gbk;
        report(
            gbk ? "export, comma, GBK file (no dialog)" : "export, comma, UTF-8 file (no dialog)",
            measure(rounds, reset, [&] {
                const QString text =
                    vantorix::list::exportText(box->text(), vantorix::list::ExportSeparator::Comma);
                static_cast<void>(vantorix::list::writeTextFile(path, text, encoding));
            }));
    }
    // The list menu's tools, as its binder runs them once a file is chosen.
    report("group by root (list menu)", measure(rounds, reset, [&] {
               if (const auto grouped = vantorix::list::groupListText(box->text()))
                   box->pasteBack(*grouped);
           }));
    for (const auto format :
         {vantorix::spreadsheet::SheetFormat::Xlsx, vantorix::spreadsheet::SheetFormat::Csv}) {
        const bool xlsx = format == vantorix::spreadsheet::SheetFormat::Xlsx;
        const QString sheetPath =
            dir.filePath(xlsx ? QStringLiteral("export.xlsx") : QStringLiteral("export.csv"));
        report(xlsx ? "export as Excel (list menu, no dialog)"
                    : "export as CSV (list menu, no dialog)",
               measure(rounds, reset, [&] {
                   QStringList keywords = vantorix::list::splitList(box->text());
                   keywords.removeAll(QString());
                   const QList<QStringView> views(keywords.cbegin(), keywords.cend());
                   static_cast<void>(vantorix::spreadsheet::writeSheet(
                       sheetPath, vantorix::spreadsheet::keywordSheet(views), format));
               }));
    }
    measureFrames(box, list);
    return 0;
}
