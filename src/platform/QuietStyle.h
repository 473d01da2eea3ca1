#pragma once

#include <QProxyStyle>

// The platform's own style, except that the extension arrow of a menu bar
// (shown only when its menus do not fit) is loaded when it is first drawn.
// A menu bar asks for it as it is made, and loading it is the program's
// first picture: it sets up Qt's image plugins, some 15% of the work before
// the first frame.
class QuietStyle final : public QProxyStyle {
    Q_OBJECT
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
