#pragma once

#include <QLabel>

namespace vantorix::app {

// A label whose plain text wraps inside its box with its lines one em apart,
// as the 9-point system font the window was designed with sets them. The CJK
// fonts at hand put more space between lines than the description boxes hold.
class WrappedLabel : public QLabel
{
    Q_OBJECT
public:
    explicit WrappedLabel(const QString &text, QWidget *parent = nullptr);

    bool hasHeightForWidth() const override { return true; }
    // The height the text takes at this width, trailing line breaks left out.
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Lays the text out `width` wide, draws it when given a painter, and
    // returns the height it takes.
    int layOut(int width, QPainter *painter) const;
};

} // namespace vantorix::app
