#pragma once

#include <QWidget>

class QAbstractButton;
class QLineEdit;
class QTimer;

namespace vantorix::app {

class KeywordListBox;

// The one window, "Form1": every control of the inventory under its own name,
// a fixed size, and the caption clock.
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);

    // The control named `name` ("Text3", "Command10", "Label7", "Timer1").
    template <typename T> T *control(const char *name) const
    {
        return findChild<T *>(QLatin1String(name));
    }
    QAbstractButton *button(const char *name) const;
    QLineEdit *textBox(const char *name) const;
    KeywordListBox *listBox() const { return m_listBox; }
    QTimer *clockTimer() const { return m_clock; }

    // The title set at start-up, which the clock rebuilds the caption from.
    const QString &titleText() const { return m_title; }
    // The window's outer size at start-up, in twips; it keeps it for good.
    int fixedWidthTwips() const { return m_fixedWidth; }
    int fixedHeightTwips() const { return m_fixedHeight; }

    int toPixels(int twips) const;

private:
    void buildControls();
    void applyTabOrder();
    void startUp();
    void showClock();

    qreal m_dpi = 96;
    QString m_title;
    int m_fixedWidth = 0;
    int m_fixedHeight = 0;
    KeywordListBox *m_listBox = nullptr;
    QTimer *m_clock = nullptr;
};

} // namespace vantorix::app
