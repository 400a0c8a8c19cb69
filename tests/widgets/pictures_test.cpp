// The program's pictures read without any image-format plugin, and the style that makes
// the menu bar's extension icon only when it is first wanted: the same pixels as Qt's own
// way of reading them, at every pixel ratio.
#include "widgets/DeferredIconStyle.h"
#include "widgets/Picture.h"

#include <QApplication>
#include <QImage>
#include <QStyleFactory>
#include <gtest/gtest.h>

namespace {

// A base style that counts the standard icons it makes.
class CountingStyle : public QProxyStyle {
public:
    CountingStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override
    {
        ++made;
        return QProxyStyle::standardIcon(icon, option, widget);
    }
    mutable int made = 0;
};

// The pixels alone, whatever the pixel ratio the pixmap claims.
QImage pixelsOf(const QPixmap& pixmap)
{
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    image.setDevicePixelRatio(1.0);
    return image;
}

} // namespace

TEST(Picture, ReadsTheProgramsPicturesAsQtDoesAndNothingButPng)
{
    // An opaque picture loses the alpha channel it does not use (the backdrop is then
    // copied, not blended); one with see-through pixels keeps it.
    const struct {
        const char* path;
        bool reads;
        bool seeThrough;
    } cases[] = {
        {":/pictures/start.png", true, true},
        {":/pictures/background.png", true, false},
        {":/pictures/background@2x.png", true, false},
        {":/icons/quillor-256.png", true, true},
        {":/pictures/lobby_advert.jpg", false, false}, // another format is not guessed
        {":/pictures/nosuchpicture.png", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const QPixmap read = picture::read(QString::fromLatin1(c.path));
        EXPECT_EQ(!read.isNull(), c.reads);
        if (c.reads) {
            EXPECT_EQ(pixelsOf(read), pixelsOf(QPixmap(QString::fromLatin1(c.path))));
            EXPECT_EQ(read.hasAlphaChannel(), c.seeThrough);
            // Read again, the pixels are shared, not decoded once more.
            EXPECT_EQ(picture::read(QString::fromLatin1(c.path)).cacheKey(), read.cacheKey());
        }
    }
}

TEST(Picture, AnIconCarriesTheSharpCopyTheScreensNeed)
{
    const QString path = QStringLiteral(":/pictures/phrase1.png");
    const QSize size = QImage(path).size();
    const QImage sharp = pixelsOf(QPixmap(QStringLiteral(":/pictures/phrase1@2x.png")));
    const struct {
        qreal ratio;
        QList<QSize> sizes;
    } cases[] = {
        {1.0, {size}},
        {1.25, {size}},
        {2.0, {size, size * 2}},
        {3.0, {size, size * 2}}, // there is no @3x: the sharpest below it
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ratio);
        const QIcon icon = picture::icon(path, c.ratio);
        EXPECT_EQ(icon.availableSizes(), c.sizes);
        if (c.sizes.size() > 1) {
            EXPECT_EQ(pixelsOf(icon.pixmap(size, 2.0)), sharp);
        }
    }
    EXPECT_TRUE(picture::icon(QStringLiteral(":/pictures/nosuchpicture.png"), 2.0).availableSizes().isEmpty());
}

TEST(DeferredIconStyle, MakesTheExtensionIconsOnlyWhenTheyAreFirstWanted)
{
    const struct {
        QStyle::StandardPixmap icon;
        bool deferred;
    } cases[] = {
        {QStyle::SP_ToolBarHorizontalExtensionButton, true},
        {QStyle::SP_ToolBarVerticalExtensionButton, true},
        {QStyle::SP_DialogOkButton, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.icon));
        auto* base = new CountingStyle;
        DeferredIconStyle style(base);
        const QIcon icon = style.standardIcon(c.icon);
        EXPECT_FALSE(icon.isNull());
        EXPECT_EQ(base->made, c.deferred ? 0 : 1);
        // Drawn: the same pixels as the base style's own icon, made once.
        const QPixmap drawn = icon.pixmap(QSize(16, 16));
        const QPixmap again = icon.pixmap(QSize(16, 16));
        EXPECT_EQ(base->made, 1);
        const QPixmap own = base->QProxyStyle::standardIcon(c.icon, nullptr, nullptr).pixmap(QSize(16, 16));
        EXPECT_EQ(pixelsOf(drawn), pixelsOf(own));
        EXPECT_EQ(pixelsOf(again), pixelsOf(own));
    }
}
