#pragma once

#include <QProxyStyle>

namespace vorlant {

// The desktop's own style, except that the menu bar's overflow button gets an icon that is
// read when it is first drawn. The menu bar builds that button, and so reads its icon, as
// it is made; reading the first icon loads every image plugin the toolkit has, a
// millisecond before the first frame for a button that shows only when the menus do not
// fit the window.
class DeferredIconStyle : public QProxyStyle
{
public:
    DeferredIconStyle() = default;

    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

} // namespace vorlant
