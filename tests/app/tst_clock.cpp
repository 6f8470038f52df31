#include "app/general_date.h"
#include "window_fixture.h"

#include <QTimeZone>

using vantorix::app::generalDateText;

class ClockTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void generalDate_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<QString>("text");
        const QLocale china(QLocale::Chinese, QLocale::China);
        const QTimeZone utc = QTimeZone::utc();
        const QDate day(2026, 3, 5);
        QTest::newRow("China") << china << QDateTime(day, QTime(14, 7, 9), utc)
                               << "2026/3/5 UTC 14:07:09";
        QTest::newRow("midnight shows the date alone")
            << china << QDateTime(day, QTime(0, 0, 0), utc) << "2026/3/5";
        QTest::newRow("one second past midnight")
            << china << QDateTime(day, QTime(0, 0, 1), utc) << "2026/3/5 UTC 00:00:01";
    }
    void generalDate()
    {
        QFETCH(QLocale, locale);
        QFETCH(QDateTime, when);
        QFETCH(QString, text);
        QCOMPARE(generalDateText(when, locale), text);
    }

    void captionCarriesTheClock()
    {
        WindowFixture f;
        QVERIFY(f.open());
        const QString title = f.window->titleText();
        QCOMPARE(f.window->windowTitle(), title);
        QTRY_VERIFY_WITH_TIMEOUT(f.window->windowTitle() != title, 2500);
        const QDateTime now = QDateTime::currentDateTime();
        const QString caption = f.window->windowTitle();
        QVERIFY2(caption == title + QStringLiteral("  ") + generalDateText(now) ||
                     caption == title + QStringLiteral("  ") + generalDateText(now.addSecs(-1)),
                 qPrintable(caption));
    }
};

QTEST_MAIN(ClockTest)
#include "tst_clock.moc"
