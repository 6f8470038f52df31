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

    const vantorix::app::Controls &c() const { return window->controls(); }
    vantorix::app::KeywordListBox *list() const { return c().Text1; }
    // By name, for tables of controls.
    template <typename T = QWidget> T *control(const char *name) const
    {
        return window->findChild<T *>(QLatin1String(name));
    }
    QAbstractButton *button(const char *name) const { return control<QAbstractButton>(name); }
    QLineEdit *textBox(const char *name) const { return control<QLineEdit>(name); }
    static QString clipboardText() { return QGuiApplication::clipboard()->text(); }
    static void setClipboardText(const QString &text)
    {
        QGuiApplication::clipboard()->setText(text);
    }
};
