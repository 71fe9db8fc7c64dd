#pragma once

#include <QWidget>

class QColor;
class QLabel;
class QString;

namespace vorlant {

// The counters panel "p2": the length display `_poc` above the position display `_poc2`,
// big digits on a background of their own. Each label and the panel size themselves to the
// text, so two digits make the panel about twice as wide as one.
class CountersPanel : public QWidget
{
    Q_OBJECT

public:
    explicit CountersPanel(QWidget *parent);

    void SetLengthText(const QString &text);
    void SetLengthBackground(const QColor &colour);
    void SetLengthTextColour(const QColor &colour);
    void SetPositionText(const QString &text);

    QLabel &LengthDisplay() const { return *_poc; }
    QLabel &PositionDisplay() const { return *_poc2; }

signals:
    // The panel's width changed with its text.
    void Resized();

private:
    void SetText(QLabel &label, const QString &text);
    void FitToLabels();

    QLabel *_poc;
    QLabel *_poc2;
};

} // namespace vorlant
