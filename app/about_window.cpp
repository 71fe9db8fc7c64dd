#include "app/about_window.h"

#include "ui/window_placement.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace vorlant {
namespace {

// A static text at a fixed place that sizes itself to its content.
void AddText(QWidget &window, int left, int top, const QString &text, bool bold)
{
    auto *label = new QLabel(text, &window);
    QFont font = window.font();
    font.setBold(bold);
    label->setFont(font);
    label->move(left, top);
    label->adjustSize();
}

} // namespace

AboutWindow::AboutWindow(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("TForm7"));
    setWindowTitle(tr("O programu"));
    // MS Sans Serif 10 pt does not exist here; Arial resolves to its metric twin.
    setFont(QFont(QStringLiteral("Arial"), 10));
    setFixedSize(260, 168);

    AddText(*this, 16, 8, tr("Autor:"), false);
    AddText(*this, 72, 8, tr("Tým Vorlant"), true);
    AddText(*this, 16, 32, tr("Verze:"), false);
    AddText(*this, 72, 32, QStringLiteral(VORLANT_VERSION_TEXT), true);
    AddText(*this, 16, 56, tr("Kontakt:"), false);
    // The program has no public address; its README travels with the source code.
    AddText(*this, 72, 56, tr("README.md u zdrojů"), true);
    AddText(*this, 18, 88, tr("Pro nekomerční účely zdarma"), true);

    auto *button1 = new QPushButton(tr("OK"), this);
    button1->setObjectName(QStringLiteral("Button1"));
    button1->setGeometry(93, 124, 75, 25);
    button1->setFocus();
    connect(button1, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutWindow::keyPressEvent(QKeyEvent *event)
{
    // Escape would reject the dialog; only "OK" and the window system may close it.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void AboutWindow::setVisible(bool visible)
{
    SetVisibleCentredFirstTime(*this, visible, placed_,
                               [this](bool shown) { QDialog::setVisible(shown); });
}

} // namespace vorlant
