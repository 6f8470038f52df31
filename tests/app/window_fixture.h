#pragma once

#include "app/binders.h"
#include "app/keyword_list_box.h"
#include "app/main_window.h"
#include "config/settings.h"
#include "environment.h"
#include "hosts.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTcpServer>
#include <QTest>
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
