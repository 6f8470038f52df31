#include "app/main_window.h"

#include "app/browser_panel.h"
#include "app/control_factory.h"
#include "app/general_date.h"
#include "app/twips.h"
#include "app/window_icon.h"
#include "app/window_placement.h"

#include <QGuiApplication>
#include <QHash>
#include <QRadioButton>
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

Result<std::unique_ptr<MainWindow>> MainWindow::create()
{
    std::unique_ptr<MainWindow> window(new MainWindow);
    const Result<Controls> found = findControls(*window);
    if (!found)
        return failure(found.error());
    window->adopt(*found);
    return window;
}

MainWindow::MainWindow()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(drawWindowIcon());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        m_dpi = screen->logicalDotsPerInch();
    setFixedSize(toPixels(kClientWidthTwips), toPixels(kClientHeightTwips));
    // The window was designed around a 9-point font: every caption fits its
    // box in it.
    QFont designed = font();
    designed.setFamilies({QStringLiteral("SimSun"), QStringLiteral("WenQuanYi Micro Hei")});
    designed.setPointSize(9);
    setFont(designed);

    buildControls();
    applyTabOrder();
    makeOptionGroupsOneStop();

    auto *clock = new QTimer(this);
    clock->setObjectName(QStringLiteral("Timer1"));
    clock->setInterval(1000);
    connect(clock, &QTimer::timeout, this, &MainWindow::showClock);
    clock->start();
}

void MainWindow::adopt(const Controls &controls)
{
    m_controls = controls;
    connect(m_controls.WebBrowser1, &BrowserPanel::focusWidgetReplaced, this,
            &MainWindow::applyTabOrder);

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

// The options of one frame are one tab stop, on the chosen one; the arrow keys
// move between them.
void MainWindow::makeOptionGroupsOneStop()
{
    for (QRadioButton *option : findChildren<QRadioButton *>()) {
        const auto takeTheStop = [option](bool chosen) {
            if (!chosen)
                return;
            for (QRadioButton *other :
                 option->parentWidget()->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly))
                other->setFocusPolicy(other == option ? Qt::StrongFocus : Qt::ClickFocus);
        };
        connect(option, &QRadioButton::toggled, option, takeTheStop);
        takeTheStop(option->isChecked());
    }
}

void MainWindow::startUp()
{
    m_title = kTitle;
    setWindowTitle(m_title);
    adoptOuterSize();
}

// The outer size is known only once the window manager has framed the
// window, some time after it is shown; until then it is the client size.
void MainWindow::adoptOuterSize()
{
    const QSize outer = frameGeometry().size();
    if (outer == m_outer)
        return;
    m_outer = outer;
    if (const QScreen *screen = this->screen())
        move(centredTopLeft(outer, screen->geometry(), screen->availableGeometry()));
    m_fixedWidth = pixelsToTwips(outer.width(), m_dpi);
    m_controls.WebBrowser1->resize(toPixels(m_fixedWidth + kPanelOverhangTwips),
                                   m_controls.WebBrowser1->height());
}

void MainWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    adoptOuterSize();
}

void MainWindow::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    adoptOuterSize();
}

// A window manager may ignore the fixed size, and without one nothing
// enforces it: whatever changed the size, it springs back.
void MainWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!isMinimized() && size() != minimumSize())
        QMetaObject::invokeMethod(
            this, [this] { resize(minimumSize()); }, Qt::QueuedConnection);
}

void MainWindow::showClock()
{
    setWindowTitle(m_title + QStringLiteral("  ") + generalDateText(QDateTime::currentDateTime()));
}

} // namespace vantorix::app
