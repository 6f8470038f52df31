#include "app/wrapped_label.h"

#include <QPainter>
#include <QTextLayout>

namespace vantorix::app {

WrappedLabel::WrappedLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
}

int WrappedLabel::heightForWidth(int width) const
{
    return layOut(width, nullptr);
}

void WrappedLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    layOut(contentsRect().width(), &painter);
}

int WrappedLabel::layOut(int width, QPainter *painter) const
{
    QString shown = text();
    while (shown.endsWith(u'\n'))
        shown.chop(1);
    const int lineHeight = QFontInfo(font()).pixelSize();
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    qreal y = 0;
    for (const QString &paragraph : shown.split(u'\n')) {
        QTextLayout layout(paragraph, font());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            line.setPosition(QPointF(0, y));
            y += lineHeight;
        }
        layout.endLayout();
        if (painter)
            layout.draw(painter, contentsRect().topLeft());
    }
    return int(y);
}

} // namespace vantorix::app
