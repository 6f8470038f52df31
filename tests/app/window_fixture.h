#pragma once

#include "app/binders.h"
#include "app/keyword_list_box.h"
#include "app/main_window.h"
#include "app/mining_binder.h"
#include "config/settings.h"
#include "environment.h"
#include "hosts.h"
#include "mining/mining_run.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <functional>
#include <memory>

// A shown window with every binder installed, as the program builds it.
struct WindowFixture
{
    // By default every host is a loopback port that accepts and never answers,
    // so the window stays in its loading state and no test leaves this machine;
    // a test that needs pages points the hosts at a test site.
    WindowFixture()
    {
        clearVantorixEnvironment();
        silent.listen(QHostAddress::LocalHost, 0);
        settings.hosts.setAll(loopbackHost(silent.serverPort()));
    }

    QTcpServer silent;
    vantorix::config::Settings settings;
    std::unique_ptr<vantorix::app::MainWindow> window;

    bool open()
    {
        window = vantorix::app::MainWindow::create().value();
        vantorix::app::installBinders(*window, settings);
        window->show();
        return QTest::qWaitForWindowExposed(window.get(), 60000);
    }
    // Open, and the seed marker page read (or failed).
    bool openReady()
    {
        return open() && QTest::qWaitFor([this] { return c().Command4->isEnabled(); }, 60000);
    }

    // A loopback port nothing listens on: every connection is refused.
    static QString closedHost()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        return loopbackHost(probe.serverPort());
    }

    const vantorix::app::Controls &c() const { return window->controls(); }
    vantorix::mining::MiningRun *run() const
    {
        return window->findChild<vantorix::app::MiningBinder *>()->run();
    }
    // Starts a run from `seed` with the start button, calls `meanwhile`, and
    // waits for the run's end.
    bool mine(const QString &seed, const std::function<void()> &meanwhile = {}, int waitMs = 60000)
    {
        QSignalSpy finished(run(), &vantorix::mining::MiningRun::finished);
        c().Text3->setText(seed);
        QTest::mouseClick(c().Command4, Qt::LeftButton);
        if (meanwhile)
            meanwhile();
        return finished.wait(waitMs);
    }
    // Right-clicks `widget` and triggers the item `pick` of the menu that
    // opens, if given; returns the item that was checked.
    static QString contextMenu(QWidget *widget, const QString &pick = {})
    {
        const QPoint at(10, 10);
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
        QApplication::sendEvent(widget, &click);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return QStringLiteral("<no menu>");
        QString checked;
        QAction *picked = nullptr;
        for (QAction *action : menu->actions()) {
            if (action->isChecked())
                checked = action->text();
            if (action->text() == pick)
                picked = action;
        }
        if (picked)
            picked->trigger();
        menu->close();
        return checked;
    }
    vantorix::app::KeywordListBox *list() const { return c().Text1; }
    static QString clipboardText() { return QGuiApplication::clipboard()->text(); }
    static void setClipboardText(const QString &text)
    {
        QGuiApplication::clipboard()->setText(text);
    }
    // Every top-level widget shown besides the window (dialogs, message boxes).
    QWidgetList othersShown() const
    {
        QWidgetList shown;
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (widget->isVisible() && widget != window.get())
                shown.append(widget);
        return shown;
    }
};
