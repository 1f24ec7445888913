#include "twips.h"

#include <QWidget>
#include <cmath>

namespace {

constexpr double kTwipsPerInch = 1440.0;

}  // namespace

int TwipsToPixels(const QWidget &widget, int twips)
{
    return int(std::lround(twips * widget.logicalDpiX() / kTwipsPerInch));
}

QSize TwipsSize(const QWidget &widget, int width, int height)
{
    return {TwipsToPixels(widget, width), TwipsToPixels(widget, height)};
}

QPoint TwipsOffset(const QWidget &widget, int right, int down)
{
    return {TwipsToPixels(widget, right), TwipsToPixels(widget, down)};
}
