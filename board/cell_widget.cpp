#include "board/cell_widget.h"

#include <QMouseEvent>

#include <utility>

namespace vorlant {

CellWidget::CellWidget(QWidget *parent) : QLabel(parent) {}

void CellWidget::setBackground(const QColor &colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
}

QColor CellWidget::background() const
{
    return palette().color(QPalette::Window);
}

void CellWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_leftDown = true;
    event->accept();
    emit pressed();
}

void CellWidget::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && std::exchange(m_leftDown, false) &&
        rect().contains(event->position().toPoint()))
        emit clicked();
    emit released();
}

} // namespace vorlant
