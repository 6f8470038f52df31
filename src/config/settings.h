#pragma once

#include <QString>
#include <QStringList>

namespace vantorix::config {

// Where each role's pages come from: "name[:port]", reached over http.
struct HostSettings
{
    QString search = QStringLiteral("www.baidu.com");
    QString hotlist = QStringLiteral("top.baidu.com");
    QString sogouHotlist = QStringLiteral("top.sogou.com");
    QString sogouSearch = QStringLiteral("www.sogou.com");
    QString publisher = QStringLiteral("vantorix.example");

    // Points every role at one host (the sandbox web).
    void setAll(const QString &host);
};

struct Settings
{
    HostSettings hosts;
    int timeoutSeconds = 60;
    QString proxy;       // empty: the system proxy settings
    int concurrency = 1; // queue entries fetched ahead by a mining run
    bool sandbox = false;
    QString dumpFile; // empty: the platform default
};

// Fills `settings` from VANTORIX_* environment variables. Returns an error
// message, or an empty string.
QString applyEnvironment(Settings &settings);

// Consumes the option at args[index] (and its value) when it is one of the
// shared network options, in "--flag value" or "--flag=value" form. Returns
// true when consumed and advances `index` past it; a bad value sets `error`.
bool takeSettingsOption(const QStringList &args, qsizetype &index, Settings &settings,
                        QString &error);

// The help lines of the shared options, for both programs' --help.
QString settingsHelp();

// Empty when `host` is a usable name[:port]; otherwise why not.
QString validateHost(const QString &host);

} // namespace vantorix::config
