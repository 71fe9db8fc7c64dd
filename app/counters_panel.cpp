#include "app/counters_panel.h"

#include <QLabel>

namespace vorlant {
namespace {

QLabel *MakeCounter(QWidget *panel, const char *name, const QPoint &position, const QString &text,
                    const QString &tooltip)
{
    auto *label = new QLabel(text, panel);
    label->setObjectName(QString::fromLatin1(name));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(53);
    label->setFont(font);
    label->setToolTip(tooltip);
    // The engine colours the background of the length display.
    label->setAutoFillBackground(true);
    label->move(position);
    label->adjustSize();
    return label;
}

void SetPaletteColour(QLabel &label, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = label.palette();
    palette.setColor(role, colour);
    label.setPalette(palette);
}

} // namespace

CountersPanel::CountersPanel(QWidget *parent)
    : QWidget(parent),
      _poc(MakeCounter(this, "_poc", {1, 1}, QStringLiteral("4"), tr("Počet hádaných pozice"))),
      _poc2(MakeCounter(this, "_poc2", {1, 86}, QStringLiteral("0"), tr("Pořadí zobrazené pozice")))
{
    setObjectName(QStringLiteral("p2"));
    FitToLabels();
}

void CountersPanel::SetLengthText(const QString &text)
{
    SetText(*_poc, text);
}

void CountersPanel::SetPositionText(const QString &text)
{
    SetText(*_poc2, text);
}

void CountersPanel::SetLengthBackground(const QColor &colour)
{
    SetPaletteColour(*_poc, QPalette::Window, colour);
}

void CountersPanel::SetLengthTextColour(const QColor &colour)
{
    SetPaletteColour(*_poc, QPalette::WindowText, colour);
}

void CountersPanel::SetText(QLabel &label, const QString &text)
{
    if (label.text() == text)
        return;
    label.setText(text);
    label.adjustSize();
    FitToLabels();
}

void CountersPanel::FitToLabels()
{
    // The labels' far edges: one digit makes the panel 31 pixels wide.
    const QRect labels = _poc->geometry().united(_poc2->geometry());
    const QSize fitted(labels.right() + 1, labels.bottom() + 1);
    if (fitted == size())
        return;
    const bool widthChanged = fitted.width() != width();
    resize(fitted);
    if (widthChanged)
        emit Resized();
}

} // namespace vorlant
