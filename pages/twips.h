#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

// Window sizes and places are given in twips, 1/1440 inch: 15 twips per
// pixel at 96 dots per inch. Larger logical DPI settings scale them.
int TwipsToPixels(const QWidget &widget, int twips);
QSize TwipsSize(const QWidget &widget, int width, int height);
QPoint TwipsOffset(const QWidget &widget, int right, int down);
