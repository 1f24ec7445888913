#pragma once

#include <QColor>
#include <QWidget>

class QGridLayout;

// A panel whose cells are drawn as a grid of one-pixel lines in `colour`.
// A widget that spans several cells is one cell of the drawing.
class GridPanel : public QWidget
{
    Q_OBJECT

public:
    explicit GridPanel(const QColor &colour, QWidget *parent = nullptr);

    QGridLayout *grid() const { return m_grid; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
    QGridLayout *m_grid;
};
