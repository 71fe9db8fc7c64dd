#pragma once

#include <QLabel>

namespace vorlant {

// One cell of the board: a label that turns mouse buttons into the board's three events.
class CellWidget : public QLabel
{
    Q_OBJECT
public:
    explicit CellWidget(QWidget *parent);

    // The cell's background, drawn over the whole cell.
    void setBackground(const QColor &colour);
    QColor background() const;

signals:
    // Any mouse button went down on the cell.
    void pressed();
    // The left button came up over the cell after going down on it; sent before released().
    void clicked();
    // A mouse button came up after going down on the cell, wherever the pointer is.
    void released();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_leftDown = false;
};

} // namespace vorlant
