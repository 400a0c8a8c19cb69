// Small widgets: message boxes as wide as their titles, and panels whose children keep
// their places and proportions at any scale.
#include "widgets/PictureButton.h"
#include "widgets/PlainMessageBox.h"
#include "widgets/ScaledChildren.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

TEST(MessageBox, IsAsWideAsItsTitleNeeds)
{
    // The short box that had its title cut to "Q... or", and a long title.
    for (const QString& title : {QStringLiteral("Quillor"), QStringLiteral("Quillor - A Rather Long Window Title")}) {
        SCOPED_TRACE(title.toStdString());
        QMessageBox box(QMessageBox::Information, title, QStringLiteral("Game is full"), QMessageBox::Ok);
        const int before = box.sizeHint().width();
        fitTitle(box);
        box.show();
        EXPECT_GE(box.width(), titleWidth(box, title));
        EXPECT_GT(titleWidth(box, title), QFontMetrics(box.font()).horizontalAdvance(title));
        EXPECT_GE(box.width(), before);
        box.hide();
    }
}

TEST(ScaledChildren, KeepPlacesAndProportionsAtAnyScale)
{
    QWidget panel;
    panel.resize(300, 100);
    auto* label = new QLabel(QStringLiteral("Play To Score: 250"), &panel);
    label->setGeometry(10, 20, 120, 16);
    QFont pixels = label->font();
    pixels.setPixelSize(13);
    label->setFont(pixels);
    auto* button = new QPushButton(QStringLiteral("Start"), &panel);
    button->setFixedSize(60, 30); // a fixed size is scaled too
    button->move(130, 20);
    QFont points = button->font();
    points.setPointSizeF(10);
    button->setFont(points);
    ScaledChildren scaled;
    scaled.capture(&panel);

    struct Case {
        double scale;
        QRect label, button;
        int pixelSize;
        double pointSize;
    };
    const Case cases[] = {
        {1.0, {10, 20, 120, 16}, {130, 20, 60, 30}, 13, 10},
        {2.0, {20, 40, 240, 32}, {260, 40, 120, 60}, 26, 20},
        {1.5, {15, 30, 180, 24}, {195, 30, 90, 45}, 20, 15}, // 19.5 rounds up
        {0.84, {8, 17, 101, 13}, {109, 17, 51, 25}, 11, 8.4},
        {1.0, {10, 20, 120, 16}, {130, 20, 60, 30}, 13, 10}, // and back again, exactly
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scale);
        scaled.apply(c.scale);
        EXPECT_EQ(label->geometry(), c.label);
        EXPECT_EQ(button->geometry(), c.button);
        EXPECT_EQ(label->font().pixelSize(), c.pixelSize);
        EXPECT_DOUBLE_EQ(button->font().pointSizeF(), c.pointSize);
    }
    // A font a panel changes afterwards (a seated name in bold) keeps that change.
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    scaled.apply(2.0);
    EXPECT_TRUE(label->font().bold());
    EXPECT_EQ(label->font().pixelSize(), 26);
}

// A picture button with the keyboard's focus wears a dark ring and a light one inside
// it, so the focus shows on any picture; without the focus it is the picture alone.
TEST(PictureButtonTest, TheFocusShowsAsTwoRings)
{
    QWidget window;
    auto* other = new QPushButton("other", &window);
    auto* button = new PictureButton(QString(), "Start", &window);
    button->move(0, 40);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    const QImage plain = button->grab().toImage();
    button->setFocus();
    ASSERT_TRUE(button->hasFocus());
    const QImage focused = button->grab().toImage();
    const int middle = button->height() / 2;
    EXPECT_EQ(focused.pixelColor(1, middle), QColor(Qt::black));
    EXPECT_GT(qGray(focused.pixel(2, middle)), 230);
    EXPECT_NE(plain.pixelColor(1, middle), QColor(Qt::black));
}
