#include "app/controls.h"

#include "app/browser_panel.h"
#include "app/keyword_list_box.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace vantorix::app {

namespace {

// The hot-word option buttons by source, in the order the window tests them.
constexpr std::pair<const char16_t *, const char16_t *> kHotwordOptions[] = {
    {u"Option3", u"baidu-today"}, {u"Option4", u"baidu-week"}, {u"Option1", u"sogou-today"},
    {u"Option2", u"sogou-week"},  {u"Option5", u"baidu-new"},  {u"Option6", u"baidu-lastmonth"},
};

template <typename T>
void lookUp(const QWidget &form, const QString &name, T *&slot, QStringList &missing)
{
    slot = form.findChild<T *>(name);
    if (!slot)
        missing.append(name);
}

} // namespace

Result<Controls> findControls(const QWidget &form)
{
    Controls c;
    QStringList missing;
    // The member's name is the control's name.
#define VANTORIX_CONTROL(name) lookUp(form, QStringLiteral(#name), c.name, missing)
    VANTORIX_CONTROL(WebBrowser1);
    VANTORIX_CONTROL(Text1);
    VANTORIX_CONTROL(Text2);
    VANTORIX_CONTROL(Text3);
    VANTORIX_CONTROL(Text4);
    VANTORIX_CONTROL(Text5);
    VANTORIX_CONTROL(Text6);
    VANTORIX_CONTROL(Text8);
    VANTORIX_CONTROL(Text9);
    VANTORIX_CONTROL(Command1);
    VANTORIX_CONTROL(Command2);
    VANTORIX_CONTROL(Command3);
    VANTORIX_CONTROL(Command4);
    VANTORIX_CONTROL(Command5);
    VANTORIX_CONTROL(Command6);
    VANTORIX_CONTROL(Command8);
    VANTORIX_CONTROL(Command9);
    VANTORIX_CONTROL(Command10);
    VANTORIX_CONTROL(Command13);
    VANTORIX_CONTROL(Command15);
    VANTORIX_CONTROL(Label2);
    VANTORIX_CONTROL(Label5);
    VANTORIX_CONTROL(Label6);
    VANTORIX_CONTROL(Label7);
    VANTORIX_CONTROL(Check4);
    VANTORIX_CONTROL(Option7);
    VANTORIX_CONTROL(Option8);
    VANTORIX_CONTROL(Option9);
    VANTORIX_CONTROL(Timer1);
#undef VANTORIX_CONTROL
    for (const auto &[optionName, sourceName] : kHotwordOptions) {
        QRadioButton *option = nullptr;
        lookUp(form, QString::fromUtf16(optionName), option, missing);
        c.hotwordOptions.append({layout::sourceByName(QString::fromUtf16(sourceName)), option});
    }
    if (!missing.isEmpty())
        return failure(QStringLiteral("the window lacks the controls ") +
                       missing.join(QStringLiteral(", ")));
    return c;
}

} // namespace vantorix::app
