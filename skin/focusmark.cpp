#include "skin/focusmark.h"

#include <QAbstractScrollArea>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

namespace zv {

namespace {

double luminance(const QColor &color)
{
    const auto channel = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = color.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF())
           + 0.0722 * channel(rgb.blueF());
}

QColor mixed(const QColor &from, const QColor &to, double share)
{
    const auto mix = [share](int a, int b) { return int(std::lround(a + (b - a) * share)); };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()),
                  mix(from.blue(), to.blue()));
}

constexpr int MarkWidth = 2;

// A frame `width` pixels wide along the inside of `rect`.
void fillFrame(QPainter *painter, const QRect &rect, int width, const QColor &color)
{
    const QRect inner = rect.adjusted(width, width, -width, -width);
    painter->fillRect(QRect(rect.left(), rect.top(), rect.width(), width), color);
    painter->fillRect(QRect(rect.left(), inner.bottom() + 1, rect.width(), width), color);
    painter->fillRect(QRect(rect.left(), inner.top(), width, inner.height()), color);
    painter->fillRect(QRect(inner.right() + 1, inner.top(), width, inner.height()), color);
}

// The ring's outer edge lies on `rect`; the surface pixels set it off from
// whatever lies outside and inside.
void drawMark(QPainter *painter, const QRect &rect, const QPalette &palette,
              const QColor &surface)
{
    painter->save();
    fillFrame(painter, rect.adjusted(-1, -1, 1, 1), 1, surface);
    fillFrame(painter, rect, MarkWidth, focusMarkColor(palette.color(QPalette::Highlight), surface));
    fillFrame(painter, rect.adjusted(MarkWidth, MarkWidth, -MarkWidth, -MarkWidth), 1, surface);
    painter->restore();
}

bool isFocusableScrollArea(const QWidget *widget)
{
    return qobject_cast<const QAbstractScrollArea *>(widget)
           && widget->focusPolicy() != Qt::NoFocus;
}

class FocusMarkStyle : public QProxyStyle
{
public:
    FocusMarkStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        const bool focused = option->state & State_HasFocus;
        switch (element) {
        case PE_FrameFocusRect: {
            // Push buttons get their mark on their edge with the panel below.
            if (qobject_cast<const QPushButton *>(widget))
                return;
            const QPalette &pal = option->palette;
            QColor surface = pal.color(QPalette::Window);
            if (option->state & State_Item)
                surface = pal.color(option->state & State_Selected ? QPalette::Highlight
                                                                   : QPalette::Base);
            drawMark(painter, option->rect, pal, surface);
            return;
        }
        case PE_PanelButtonCommand: {
            // Fusion's own faint outline would otherwise show beside the mark.
            QStyleOption plain = *option;
            plain.state &= ~State_HasFocus;
            QProxyStyle::drawPrimitive(element, &plain, painter, widget);
            if (focused)
                drawMark(painter, option->rect, option->palette,
                         option->palette.color(QPalette::Window));
            return;
        }
        case PE_Frame:
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            if (focused && isFocusableScrollArea(widget))
                drawMark(painter, option->rect, option->palette,
                         option->palette.color(QPalette::Window));
            return;
        default:
            QProxyStyle::drawPrimitive(element, option, painter, widget);
        }
    }

    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        // Room in the frame for the mark and its inner surface pixel, which the
        // contents would otherwise cover.
        if (metric == PM_DefaultFrameWidth && isFocusableScrollArea(widget))
            return std::max(value, MarkWidth + 1);
        return value;
    }
};

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor focusMarkColor(const QColor &accent, const QColor &surface)
{
    const double wanted = FocusMarkContrast + 0.1;
    // The least change towards white or black that reaches the contrast; at
    // the end one of the two always does, as a surface cannot be near both.
    for (int step = 0; step < 32; ++step) {
        for (const QColor &end : {QColor(Qt::white), QColor(Qt::black)}) {
            const QColor candidate = mixed(accent, end, step / 32.0);
            if (contrastRatio(candidate, surface) >= wanted)
                return candidate;
        }
    }
    return contrastRatio(Qt::white, surface) > contrastRatio(Qt::black, surface) ? Qt::white
                                                                                 : Qt::black;
}

QStyle *createProgramStyle()
{
    return new FocusMarkStyle;
}

} // namespace zv
