#include "app/control_factory.h"

#include "app/browser_panel.h"
#include "app/keyword_list_box.h"
#include "app/twips.h"
#include "app/wrapped_label.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>

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

QPushButton *createButton(const ControlSpec &row, const QString &caption, QWidget *parent,
                          QSize size)
{
    constexpr int kIconSize = 12;
    auto *button = new QPushButton(caption, parent);
    // A picture that would push the caption out of the button is left off.
    QStyleOptionButton option;
    option.initFrom(button);
    option.rect = QRect(QPoint(), size);
    const QRect room =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    if (button->fontMetrics().horizontalAdvance(caption) + kIconSize + kButtonIconSpacing <=
        room.width()) {
        button->setIcon(button->style()->standardIcon(row.icon));
        button->setIconSize(QSize(kIconSize, kIconSize));
    }
    return button;
}

QWidget *createWidget(const ControlSpec &row, QWidget *parent, QSize size)
{
    const QString caption = QString::fromUtf16(row.caption);
    switch (row.kind) {
    case ControlKind::Frame:
        return new QGroupBox(caption, parent);
    case ControlKind::Label: {
        if (row.flags & WordWrap)
            return new WrappedLabel(caption, parent);
        // Page-derived text (a keyword) is shown as typed, never as markup.
        auto *label = new QLabel(caption, parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ControlKind::TextBox:
        return new QLineEdit(caption, parent);
    case ControlKind::ListBox:
        return new KeywordListBox(parent);
    case ControlKind::Button:
        return createButton(row, caption, parent, size);
    case ControlKind::Option: {
        auto *option = new QRadioButton(caption, parent);
        option->setChecked(row.flags & Selected);
        return option;
    }
    case ControlKind::CheckBox:
        return new QCheckBox(caption, parent);
    case ControlKind::Browser:
        return new BrowserPanel(parent);
    }
    return new QWidget(parent);
}

} // namespace

QWidget *createControl(const ControlSpec &row, QWidget *parent, qreal logicalDpi)
{
    const auto px = [logicalDpi](int twips) { return twipsToPixels(twips, logicalDpi); };
    QWidget *widget = createWidget(row, parent, QSize(px(row.width), px(row.height)));
    widget->setObjectName(QLatin1String(row.name));
    widget->setGeometry(px(row.left), px(row.top), px(row.width), px(row.height));
    if (row.flags & Disabled)
        widget->setEnabled(false);
    if (row.kind == ControlKind::ListBox)
        applyListColours(widget);
    else
        applyColour(widget, row.colour);
    return widget;
}

} // namespace vantorix::app
