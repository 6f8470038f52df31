#pragma once

#include "app/binders.h"
#include "app/keyword_list_box.h"
#include "app/main_window.h"
#include "config/settings.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTcpServer>
#include <QTest>
#include <memory>

// A shown window with every binder installed, as the program builds it.
struct WindowFixture
{
    // By default every host is a loopback port that accepts and never answers,
    // so the window stays in its loading state and no test leaves this machine;
    // a test that needs pages points the hosts at a sandbox.
    WindowFixture()
    {
        silent.listen(QHostAddress::LocalHost, 0);
        settings.hosts.setAll(QStringLiteral("127.0.0.1:") + QString::number(silent.serverPort()));
    }

    QTcpServer silent;
    vantorix::config::Settings settings;
    std::unique_ptr<vantorix::app::MainWindow> window;

    bool open()
    {
        window = std::make_unique<vantorix::app::MainWindow>();
        vantorix::app::installBinders(*window, settings);
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }

    vantorix::app::KeywordListBox *list() const { return window->listBox(); }
    QAbstractButton *button(const char *name) const { return window->button(name); }
    QLineEdit *textBox(const char *name) const { return window->textBox(name); }
    static QString clipboardText() { return QGuiApplication::clipboard()->text(); }
    static void setClipboardText(const QString &text)
    {
        QGuiApplication::clipboard()->setText(text);
    }
};
