#pragma once
// The application's style as it is, except that the icon of a menu bar's or tool bar's
// extension button (shown only when the menus do not fit) is read when it is first drawn.
// Made at once, as the style makes it in every menu bar's constructor, it is read from
// picture files before the window can be shown, and reading them makes Qt load every
// installed image-format plugin, none of which the program needs.
#include <QProxyStyle>

class DeferredIconStyle : public QProxyStyle {
    Q_OBJECT

public:
    // Takes `base` over, as QProxyStyle does.
    explicit DeferredIconStyle(QStyle* base);

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

    // Makes the application's present style the base of a DeferredIconStyle, which becomes
    // the application's style. Call before the first menu bar is made.
    static void install();
};
