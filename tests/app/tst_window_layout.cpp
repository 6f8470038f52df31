#include "app/control_inventory.h"
#include "app/controls.h"
#include "app/twips.h"
#include "app/window_placement.h"
#include "window_fixture.h"

#include <QApplication>
#include <QGroupBox>
#include <QScreen>
#include <QTimer>

using namespace vantorix::app;

class WindowLayoutTest : public QObject
{
    Q_OBJECT
private:
    WindowFixture f;
    const QString title = QStringLiteral("Vantorixv3.3   [关键词挖掘]  站长SEO实用好工具");

    int px(int twips) const { return f.window->toPixels(twips); }

    static QString captionOf(const QWidget *widget)
    {
        if (const auto *frame = qobject_cast<const QGroupBox *>(widget))
            return frame->title();
        return widget->property("text").toString();
    }

private Q_SLOTS:
    void init() { QVERIFY(f.open()); }
    void cleanup() { f.window.reset(); }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("caption");
        const auto row = [](const char *name, const char *frame, QRect twips, const char *caption) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(frame) << twips
                                << QString::fromUtf8(caption);
        };
        row("Frame2", "Form1", {0, 1560, 3855, 6375}, "长尾词列表：");
        row("Label12", "Form1", {10080, 3360, 1095, 1335},
            "得到一个词 所有相关的长尾词，你能想到什么？长尾词就是财富，更何况是所有的长尾词。");
        row("Text1", "Frame2", {120, 360, 3615, 5055}, "");
        row("Option9", "Frame2", {3000, 6000, 855, 255}, "竖杠|");
        row("Text4", "Frame1", {3960, 1920, 855, 390}, "1000");
        row("Text5", "Frame1", {1920, 1320, 1455, 375}, "未开启");
        row("Command4", "Frame1", {120, 2520, 1095, 375}, "稍等载入..");
        row("Command13", "Frame3", {120, 840, 1695, 375}, "关键词个数大于：");
        row("Command1", "Frame3", {6000, 2040, 1095, 375}, "官方网站");
    }
    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, frame);
        QFETCH(QRect, twips);
        QFETCH(QString, caption);
        const QWidget *widget = f.window->findChild<QWidget *>(name);
        QVERIFY(widget);
        QCOMPARE(widget->parentWidget()->objectName(), frame);
        QCOMPARE(widget->geometry(),
                 QRect(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height())));
        if (name == QLatin1String("Text1"))
            QCOMPARE(f.list()->text(), caption);
        else
            QCOMPARE(captionOf(widget), caption);
    }

    void colours_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("colour");
        const int windowText = QPalette::WindowText;
        const int text = QPalette::Text;
        QTest::newRow("Frame1 title") << "Frame1" << text << "blue";
        QTest::newRow("Label3") << "Label3" << windowText << "blue";
        QTest::newRow("Label11 inside a blue frame") << "Label11" << windowText << "default";
        QTest::newRow("Option3") << "Option3" << windowText << "blue";
        QTest::newRow("Text3") << "Text3" << text << "red";
        QTest::newRow("Text5 inside a blue frame") << "Text5" << text << "default";
        QTest::newRow("Text1 in highlight colour") << "Text1" << text << "highlight";
    }
    void colours()
    {
        QFETCH(QString, name);
        QFETCH(int, role);
        QFETCH(QString, colour);
        const QWidget *widget = f.window->findChild<QWidget *>(name);
        QVERIFY(widget);
        const auto r = QPalette::ColorRole(role);
        const QPalette defaults = QApplication::palette(widget);
        QColor expected = defaults.color(QPalette::Active, r);
        if (colour == QLatin1String("blue"))
            expected = QColor(0, 0, 255);
        else if (colour == QLatin1String("red"))
            expected = QColor(255, 0, 0);
        else if (colour == QLatin1String("highlight"))
            expected = defaults.color(QPalette::Active, QPalette::Highlight);
        QCOMPARE(widget->palette().color(QPalette::Active, r), expected);
    }

    void tabOrder()
    {
        const char *const names[] = {"Text1",     "Command5",  "Text3",    "Command4", "Text4",
                                     "Check4",    "Text5",     "Text6",    "Command6", "Text8",
                                     "Command13", "Command15", "Text9",    "Command2", "Text2",
                                     "Command8",  "Command3",  "Command9", "Option1",  "Option2",
                                     "Option3",   "Option4",   "Option5",  "Option6",  "Command10",
                                     "Option7",   "Option8",   "Option9",  "Command1"};
        QStringList expected;
        for (const char *name : names)
            expected.append(QLatin1String(name));
        QStringList chain;
        QWidget *start = f.window->findChild<QWidget *>(QStringLiteral("Text1"));
        QWidget *widget = start;
        do {
            if (!widget->objectName().isEmpty() && (widget->focusPolicy() & Qt::TabFocus) &&
                f.window->isAncestorOf(widget))
                chain.append(widget->objectName());
            widget = widget->nextInFocusChain();
        } while (widget != start && chain.size() <= expected.size());
        QCOMPARE(chain, expected);
    }

    void optionGroupsAreSeparate()
    {
        QCOMPARE(f.button("Option7")->isChecked(), true);
        QCOMPARE(f.button("Option3")->isChecked(), true);
        QTest::mouseClick(f.button("Option9"), Qt::LeftButton);
        QCOMPARE(f.button("Option7")->isChecked(), false);
        QCOMPARE(f.button("Option9")->isChecked(), true);
        QCOMPARE(f.button("Option3")->isChecked(), true);
        QTest::mouseClick(f.button("Option6"), Qt::LeftButton);
        QCOMPARE(f.button("Option3")->isChecked(), false);
        QCOMPARE(f.button("Option9")->isChecked(), true);
    }

    void startUpState()
    {
        QCOMPARE(f.window->objectName(), QStringLiteral("Form1"));
        QCOMPARE(f.window->windowTitle(), title);
        QCOMPARE(f.window->titleText(), title);
        QVERIFY(!f.button("Command4")->isEnabled());
        QVERIFY(!f.textBox("Text5")->isEnabled());
        QVERIFY(!f.window->windowIcon().isNull());
        const auto *timer = f.window->findChild<QTimer *>(QStringLiteral("Timer1"));
        QVERIFY(timer && timer->isActive());
        QCOMPARE(timer->interval(), 1000);
    }

    void sizeIsFixed()
    {
        const QSize client(px(kClientWidthTwips), px(kClientHeightTwips));
        QCOMPARE(f.window->size(), client);
        f.window->resize(client + QSize(200, 100));
        QCOMPARE(f.window->size(), client);
        QCOMPARE(f.window->fixedWidthTwips(),
                 pixelsToTwips(f.window->frameGeometry().width(),
                               f.window->screen()->logicalDotsPerInch()));
        // The browser panel overhangs the window's outer width by 300 twips.
        const QWidget *panel = f.window->findChild<QWidget *>(QStringLiteral("WebBrowser1"));
        QCOMPARE(panel->geometry(), QRect(0, 0, px(f.window->fixedWidthTwips() + 300), px(1455)));

        const QRect available = f.window->screen()->availableGeometry();
        QVERIFY(f.window->frameGeometry().top() >= available.top());
        QVERIFY(f.window->frameGeometry().left() >= available.left());
    }

    // The window refuses to start without a control a binder needs.
    void missingControlFails_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("otherKind");
        QTest::newRow("label gone") << "Label7" << false;
        QTest::newRow("button of another kind") << "Command10" << true;
        QTest::newRow("hot-word option gone") << "Option6" << false;
    }
    void missingControlFails()
    {
        QFETCH(QString, name);
        QFETCH(bool, otherKind);
        QVERIFY(findControls(*f.window).ok());
        delete f.window->findChild<QWidget *>(name);
        if (otherKind)
            (new QWidget(f.window.get()))->setObjectName(name);
        const auto found = findControls(*f.window);
        QVERIFY(!found.ok());
        QVERIFY2(found.error().endsWith(name), qPrintable(found.error()));
    }

    void centring_data()
    {
        QTest::addColumn<QSize>("outer");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QPoint>("topLeft");
        const QRect hd(0, 0, 1920, 1080);
        QTest::newRow("fits") << QSize(755, 536) << hd << QRect(0, 0, 1920, 1040)
                              << QPoint(582, 272);
        QTest::newRow("second screen") << QSize(800, 600) << QRect(1920, 0, 1280, 1024)
                                       << QRect(1920, 0, 1280, 984) << QPoint(2160, 212);
        QTest::newRow("taller than screen") << QSize(755, 900) << QRect(0, 0, 1024, 600)
                                            << QRect(0, 0, 1024, 600) << QPoint(134, 0);
        QTest::newRow("panel at the top") << QSize(755, 1000) << QRect(0, 0, 1024, 768)
                                          << QRect(0, 30, 1024, 738) << QPoint(134, 30);
    }
    void centring()
    {
        QFETCH(QSize, outer);
        QFETCH(QRect, screen);
        QFETCH(QRect, available);
        QFETCH(QPoint, topLeft);
        QCOMPARE(centredTopLeft(outer, screen, available), topLeft);
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "tst_window_layout.moc"
