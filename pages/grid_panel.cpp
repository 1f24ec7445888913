#include "grid_panel.h"

#include <QGridLayout>
#include <QPainter>

GridPanel::GridPanel(const QColor &colour, QWidget *parent)
    : QWidget(parent), m_colour(colour), m_grid(new QGridLayout(this))
{
    m_grid->setContentsMargins(1, 1, 1, 1);
    m_grid->setSpacing(1);
}

void GridPanel::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.setPen(m_colour);
    // Each item's cells are framed by the line left of and above them; the
    // panel's border closes the grid on the right and at the bottom.
    for (int i = 0; i < m_grid->count(); ++i) {
        const QRect cell = m_grid->itemAt(i)->geometry();
        painter.drawLine(cell.left() - 1, cell.top() - 1, cell.right() + 1, cell.top() - 1);
        painter.drawLine(cell.left() - 1, cell.top() - 1, cell.left() - 1, cell.bottom() + 1);
    }
    painter.drawLine(width() - 1, 0, width() - 1, height() - 1);
    painter.drawLine(0, height() - 1, width() - 1, height() - 1);
}
