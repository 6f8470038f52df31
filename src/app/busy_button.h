#pragma once

#include <QAbstractButton>
#include <QPointer>

namespace vantorix::app {

// A tool's button is disabled while the tool works and enabled again on
// every way out of its handler, early returns and exceptions included.
class BusyButton
{
public:
    explicit BusyButton(QAbstractButton *button) : m_button(button)
    {
        if (m_button)
            m_button->setEnabled(false);
    }
    ~BusyButton()
    {
        if (m_button)
            m_button->setEnabled(true);
    }
    BusyButton(const BusyButton &) = delete;
    BusyButton &operator=(const BusyButton &) = delete;

private:
    QPointer<QAbstractButton> m_button;
};

} // namespace vantorix::app
