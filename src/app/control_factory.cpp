#include "app/control_factory.h"

#include "app/keyword_list_box.h"
#include "app/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace vantorix::app {

namespace {

QColor colourOf(TextColour colour)
{
    return colour == TextColour::Red ? QColor(255, 0, 0) : QColor(0, 0, 255);
}

// Every text role is set on every control, coloured or not: a palette set on
// a frame would otherwise tint the default-coloured controls inside it.
void applyColour(QWidget *widget, TextColour colour)
{
    const QPalette defaults = QApplication::palette(widget);
    QPalette palette = widget->palette();
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(group, role,
                             colour == TextColour::Default ? defaults.color(group, role)
                                                           : colourOf(colour));
        }
        palette.setColor(QPalette::Disabled, role, defaults.color(QPalette::Disabled, role));
    }
    widget->setPalette(palette);
}

// The list shows its text in the highlight colour on the highlight-text colour.
void applyListColours(QWidget *widget)
{
    const QPalette defaults = QApplication::palette(widget);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, defaults.color(QPalette::Highlight));
    palette.setColor(QPalette::Base, defaults.color(QPalette::HighlightedText));
    widget->setPalette(palette);
}

QPushButton *createButton(const ControlSpec &spec, const QString &caption, int width)
{
    constexpr int kIconSize = 12;
    constexpr int kIconSpacing = 4;
    auto *button = new QPushButton(caption);
    const int frame = button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    // A picture that would push the caption out of the button is left off.
    if (button->fontMetrics().horizontalAdvance(caption) + kIconSize + kIconSpacing + 2 * frame <=
        width) {
        button->setIcon(button->style()->standardIcon(spec.icon));
        button->setIconSize(QSize(kIconSize, kIconSize));
    }
    return button;
}

QWidget *createWidget(const ControlSpec &spec, int width)
{
    const QString caption = QString::fromUtf16(spec.caption);
    switch (spec.kind) {
    case ControlKind::Frame:
        return new QGroupBox(caption);
    case ControlKind::Label: {
        auto *label = new QLabel(caption);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(spec.flags & WordWrap);
        return label;
    }
    case ControlKind::TextBox:
        return new QLineEdit(caption);
    case ControlKind::ListBox:
        return new KeywordListBox;
    case ControlKind::Button:
        return createButton(spec, caption, width);
    case ControlKind::Option: {
        auto *option = new QRadioButton(caption);
        option->setChecked(spec.flags & Selected);
        return option;
    }
    case ControlKind::CheckBox:
        return new QCheckBox(caption);
    case ControlKind::Browser:
        break;
    }
    return new QWidget;
}

} // namespace

QWidget *createControl(const ControlSpec &spec, QWidget *parent, qreal logicalDpi)
{
    const auto px = [logicalDpi](int twips) { return twipsToPixels(twips, logicalDpi); };
    QWidget *widget = createWidget(spec, px(spec.width));
    widget->setParent(parent);
    widget->setObjectName(QLatin1String(spec.name));
    widget->setGeometry(px(spec.left), px(spec.top), px(spec.width), px(spec.height));
    if (spec.flags & Disabled)
        widget->setEnabled(false);
    if (spec.flags & NoTabStop)
        widget->setFocusPolicy(Qt::NoFocus);
    if (spec.kind == ControlKind::ListBox)
        applyListColours(widget);
    else
        applyColour(widget, spec.colour);
    return widget;
}

} // namespace vantorix::app
