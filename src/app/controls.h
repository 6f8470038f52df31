#pragma once

#include "common/result.h"
#include "layout/hotword_sources.h"

#include <QList>
#include <QPair>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class QWidget;

namespace vantorix::app {

class BrowserPanel;
class KeywordListBox;

// Every control a binder works with, found once by name and type when the
// window is built. The names are the window's control names.
struct Controls
{
    BrowserPanel *WebBrowser1 = nullptr;
    KeywordListBox *Text1 = nullptr;
    QLineEdit *Text2 = nullptr, *Text3 = nullptr, *Text4 = nullptr, *Text5 = nullptr,
              *Text6 = nullptr, *Text8 = nullptr, *Text9 = nullptr;
    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr,
                *Command5 = nullptr, *Command6 = nullptr, *Command8 = nullptr, *Command9 = nullptr,
                *Command10 = nullptr, *Command13 = nullptr, *Command15 = nullptr;
    QLabel *Label2 = nullptr, *Label5 = nullptr, *Label6 = nullptr, *Label7 = nullptr;
    QCheckBox *Check4 = nullptr;
    QRadioButton *Option7 = nullptr, *Option8 = nullptr, *Option9 = nullptr;
    // The hot-word sources with their option buttons, in the sources' order.
    QList<QPair<const layout::HotwordSource *, QRadioButton *>> hotwordOptions;
    QTimer *Timer1 = nullptr;
};

// Finds every control under `form`; fails naming each control that is
// missing or not of its kind.
Result<Controls> findControls(const QWidget &form);

} // namespace vantorix::app
