#include "app/main_window.h"

#include "app/control_factory.h"
#include "app/general_date.h"
#include "app/keyword_list_box.h"
#include "app/twips.h"
#include "app/window_icon.h"
#include "app/window_placement.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QHash>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <vector>

namespace vantorix::app {

namespace {

const QString kTitle = QStringLiteral("Vantorix") + QStringLiteral("v3.3") +
                       QStringLiteral("   [关键词挖掘]  站长SEO实用好工具");

// Extra width of the browser panel beyond the window's outer width; the part
// past the right edge is cut off.
constexpr int kPanelOverhangTwips = 300;

} // namespace

MainWindow::MainWindow(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(drawWindowIcon());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        m_dpi = screen->logicalDotsPerInch();
    setFixedSize(toPixels(kClientWidthTwips), toPixels(kClientHeightTwips));

    buildControls();
    applyTabOrder();

    auto *clock = new QTimer(this);
    clock->setObjectName(QStringLiteral("Timer1"));
    clock->setInterval(1000);
    connect(clock, &QTimer::timeout, this, &MainWindow::showClock);
    clock->start();

    const Result<Controls> found = findControls(*this);
    if (!found)
        qFatal("%s", qPrintable(found.error()));
    m_controls = *found;

    startUp();
}

int MainWindow::toPixels(int twips) const
{
    return twipsToPixels(twips, m_dpi);
}

void MainWindow::buildControls()
{
    QHash<QString, QWidget *> frames;
    for (const ControlSpec &row : controlInventory()) {
        QWidget *parent = row.frame ? frames.value(QLatin1String(row.frame), this) : this;
        QWidget *widget = createControl(row, parent, m_dpi);
        if (row.kind == ControlKind::Frame)
            frames.insert(widget->objectName(), widget);
    }
    // The browser panel lies under everything else.
    if (QWidget *panel = findChild<QWidget *>(QStringLiteral("WebBrowser1")))
        panel->lower();
}

void MainWindow::applyTabOrder()
{
    std::vector<const ControlSpec *> specs;
    for (const ControlSpec &row : controlInventory())
        specs.push_back(&row);
    std::sort(specs.begin(), specs.end(),
              [](const ControlSpec *a, const ControlSpec *b) { return a->tabIndex < b->tabIndex; });
    QWidget *previous = nullptr;
    for (const ControlSpec *row : specs) {
        QWidget *widget = findChild<QWidget *>(QLatin1String(row->name));
        if (!widget || !(widget->focusPolicy() & Qt::TabFocus))
            continue;
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }
}

void MainWindow::startUp()
{
    m_title = kTitle;
    setWindowTitle(m_title);

    // The native window is made now so that the outer size includes its frame.
    winId();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(centredTopLeft(frameGeometry().size(), screen->geometry(),
                            screen->availableGeometry()));

    // The browser panel navigates to the seed marker page here once it exists.

    m_fixedWidth = pixelsToTwips(frameGeometry().width(), m_dpi);
    m_fixedHeight = pixelsToTwips(frameGeometry().height(), m_dpi);

    if (QWidget *panel = findChild<QWidget *>(QStringLiteral("WebBrowser1")))
        panel->resize(toPixels(m_fixedWidth + kPanelOverhangTwips), panel->height());
}

void MainWindow::showClock()
{
    setWindowTitle(m_title + QStringLiteral("  ") + generalDateText(QDateTime::currentDateTime()));
}

} // namespace vantorix::app
