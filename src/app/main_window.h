#pragma once

#include "app/controls.h"
#include "common/result.h"

#include <QWidget>
#include <memory>

namespace vantorix::app {

// The one window, "Form1": every control of the inventory under its own name,
// a fixed size, and the caption clock.
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    // The window, or which control it lacks.
    static Result<std::unique_ptr<MainWindow>> create();

    // The controls the binders work with; a window that lacks one is never
    // created.
    const Controls &controls() const { return m_controls; }

    // The title set at start-up, which the clock rebuilds the caption from.
    const QString &titleText() const { return m_title; }
    // The window's outer size, frame included, in twips, as the window
    // manager framed it; the window keeps that size for good.
    int fixedWidthTwips() const { return m_fixedWidth; }

    int toPixels(int twips) const;

protected:
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    MainWindow();
    void adopt(const Controls &controls);
    void buildControls();
    void applyTabOrder();
    void makeOptionGroupsOneStop();
    void startUp();
    void adoptOuterSize();
    void showClock();

    qreal m_dpi = 96;
    QString m_title;
    QSize m_outer;
    int m_fixedWidth = 0;
    Controls m_controls;
};

} // namespace vantorix::app
