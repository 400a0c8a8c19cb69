// Draws the program's pictures (buttons, marks, background tile) as PNG files.
// Built and run by tools/make_pictures.py; each picture is written at its normal size
// and, as name@2x.png, at twice the size for high-DPI screens.
//
// Usage: make_pictures <output folder>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <cstdio>
#include <functional>

namespace {

// One warm palette for every picture.
const QColor Ink(74, 46, 18);          // dark brown outlines and text shadows
const QColor Cream(252, 243, 220);
const QColor GreenTop(122, 190, 86);
const QColor GreenBottom(58, 132, 44);
const QColor GreenEdge(40, 96, 30);
const QColor RedTop(236, 138, 92);
const QColor RedBottom(190, 78, 46);
const QColor RedEdge(140, 52, 28);

using Painter = std::function<void(QPainter&, QSizeF)>;

bool render(const QString& folder, const QString& name, QSize size, const Painter& draw)
{
    for (int scale : {1, 2}) {
        QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(scale);
        image.fill(Qt::transparent);
        {
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            p.setRenderHint(QPainter::TextAntialiasing);
            draw(p, QSizeF(size));
        }
        const QString file = folder + "/" + name + (scale == 1 ? "" : "@2x") + ".png";
        if (!image.save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return false;
        }
    }
    return true;
}

// A glossy rounded button with a centred caption.
Painter button(const QString& caption, QColor top, QColor bottom, QColor edge, int pointSize)
{
    return [=](QPainter& p, QSizeF size) {
        const QRectF body(0.75, 0.75, size.width() - 1.5, size.height() - 1.5);
        const qreal radius = size.height() * 0.3;

        // soft drop shadow
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 45));
        p.drawRoundedRect(body.translated(0, 1.2), radius, radius);

        QLinearGradient fill(body.topLeft(), body.bottomLeft());
        fill.setColorAt(0, top);
        fill.setColorAt(1, bottom);
        p.setBrush(fill);
        p.setPen(QPen(edge, 1.2));
        p.drawRoundedRect(body, radius, radius);

        // gloss on the upper half
        QRectF gloss = body.adjusted(2, 1.5, -2, -body.height() / 2);
        QLinearGradient shine(gloss.topLeft(), gloss.bottomLeft());
        shine.setColorAt(0, QColor(255, 255, 255, 120));
        shine.setColorAt(1, QColor(255, 255, 255, 10));
        p.setPen(Qt::NoPen);
        p.setBrush(shine);
        p.drawRoundedRect(gloss, radius - 2, radius - 2);

        QFont font("DejaVu Sans");
        font.setBold(true);
        font.setPixelSize(pointSize);
        p.setFont(font);
        p.setPen(QColor(0, 0, 0, 90));
        p.drawText(body.translated(0, 1), Qt::AlignCenter, caption);
        p.setPen(Cream);
        p.drawText(body, Qt::AlignCenter, caption);
    };
}

void drawTick(QPainter& p, QRectF box, QColor colour, qreal width)
{
    QPainterPath tick;
    tick.moveTo(box.left() + box.width() * 0.22, box.top() + box.height() * 0.54);
    tick.lineTo(box.left() + box.width() * 0.43, box.top() + box.height() * 0.74);
    tick.lineTo(box.left() + box.width() * 0.80, box.top() + box.height() * 0.28);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
}

void foundit(QPainter& p, QSizeF size)
{
    const QRectF disc(0.6, 0.6, size.width() - 1.2, size.height() - 1.2);
    QRadialGradient fill(disc.center() - QPointF(2, 2), disc.width() * 0.7);
    fill.setColorAt(0, GreenTop);
    fill.setColorAt(1, GreenBottom);
    p.setBrush(fill);
    p.setPen(QPen(GreenEdge, 1));
    p.drawEllipse(disc);
    drawTick(p, disc, Qt::white, 1.8);
}

void eyes(QPainter& p, QSizeF size)
{
    const qreal w = size.width() / 2;
    for (int i = 0; i < 2; ++i) {
        const QRectF eye(i * w + 0.7, 0.7, w - 1.4, size.height() - 1.4);
        p.setBrush(Qt::white);
        p.setPen(QPen(Ink, 1));
        p.drawEllipse(eye);
        // pupils look to the right, as if watching the board
        const QPointF centre(eye.center().x() + eye.width() * 0.12, eye.center().y() + 0.4);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 70, 130));
        p.drawEllipse(centre, eye.height() * 0.3, eye.height() * 0.3);
        p.setBrush(Qt::black);
        p.drawEllipse(centre, eye.height() * 0.15, eye.height() * 0.15);
        p.setBrush(Qt::white);
        p.drawEllipse(centre + QPointF(-0.8, -0.8), 0.6, 0.6);
    }
}

// The spectator's badge: a pale rounded tag with the watching eyes and its word.
void watching(QPainter& p, QSizeF size)
{
    const QRectF body(0.75, 0.75, size.width() - 1.5, size.height() - 1.5);
    const qreal radius = body.height() / 2;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 35));
    p.drawRoundedRect(body.translated(0, 1), radius, radius);
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, QColor(255, 252, 240));
    fill.setColorAt(1, Cream.darker(106));
    p.setBrush(fill);
    p.setPen(QPen(Ink, 1.1));
    p.drawRoundedRect(body, radius, radius);

    p.save();
    p.translate(body.left() + 6, body.center().y() - 6);
    eyes(p, QSizeF(20, 12));
    p.restore();

    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(12);
    p.setFont(font);
    const QRectF caption = body.adjusted(29, 0, -6, 0);
    p.setPen(QColor(255, 255, 255, 160));
    p.drawText(caption.translated(0, 1), Qt::AlignVCenter | Qt::AlignLeft, "Watching");
    p.setPen(Ink);
    p.drawText(caption, Qt::AlignVCenter | Qt::AlignLeft, "Watching");
}

Painter check(bool on)
{
    return [on](QPainter& p, QSizeF size) {
        const QRectF box(1.5, 1.5, size.width() - 3, size.height() - 3);
        QLinearGradient fill(box.topLeft(), box.bottomLeft());
        fill.setColorAt(0, Qt::white);
        fill.setColorAt(1, Cream);
        p.setBrush(fill);
        p.setPen(QPen(Ink, 1.3));
        p.drawRoundedRect(box, 4, 4);
        if (on)
            drawTick(p, box, GreenBottom, 2.6);
    };
}

// A small badge for the quick-phrase row: a cream rounded plate with a brown rim, so
// the ten buttons read as one row of keys above the chat.
void badge(QPainter& p, QSizeF size)
{
    const QRectF body(0.75, 0.75, size.width() - 1.5, size.height() - 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(body.translated(0, 0.8), 3.5, 3.5);
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, QColor(255, 250, 236));
    fill.setColorAt(1, QColor(236, 214, 168));
    p.setBrush(fill);
    p.setPen(QPen(Ink, 1));
    p.drawRoundedRect(body, 3.5, 3.5);
}

// Quick-phrase button n: the badge lettered "P" and the number.
Painter phrase(int n)
{
    return [n](QPainter& p, QSizeF size) {
        badge(p, size);
        QFont font("DejaVu Sans");
        font.setBold(true);
        font.setPixelSize(10);
        font.setLetterSpacing(QFont::AbsoluteSpacing, -0.4);
        p.setFont(font);
        const QRectF body(0, 0, size.width(), size.height() - 0.5);
        p.setPen(RedEdge);
        p.drawText(body, Qt::AlignCenter, QStringLiteral("P%1").arg(n));
    };
}

// The chatter-sound button: the badge with a pair of joined eighth notes.
void phraseNote(QPainter& p, QSizeF size)
{
    badge(p, size);
    const qreal w = size.width();
    const qreal h = size.height();
    const QColor ink = GreenEdge;
    const QPointF head1(w * 0.36, h * 0.72);
    const QPointF head2(w * 0.66, h * 0.64);
    const qreal rx = w * 0.085;
    const qreal ry = h * 0.11;
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    for (const QPointF& head : {head1, head2}) {
        p.save();
        p.translate(head);
        p.rotate(-20);
        p.drawEllipse(QPointF(0, 0), rx, ry);
        p.restore();
    }
    const qreal top1 = h * 0.22;
    const qreal top2 = h * 0.14;
    p.setPen(QPen(ink, 1.1, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(head1.x() + rx * 0.9, head1.y() - ry * 0.3), QPointF(head1.x() + rx * 0.9, top1));
    p.drawLine(QPointF(head2.x() + rx * 0.9, head2.y() - ry * 0.3), QPointF(head2.x() + rx * 0.9, top2));
    QPainterPath beam;
    beam.moveTo(head1.x() + rx * 0.9, top1);
    beam.lineTo(head2.x() + rx * 0.9, top2);
    beam.lineTo(head2.x() + rx * 0.9, top2 + h * 0.13);
    beam.lineTo(head1.x() + rx * 0.9, top1 + h * 0.13);
    beam.closeSubpath();
    p.setPen(Qt::NoPen);
    p.drawPath(beam);
}

// A seamless parchment tile: gentle noise plus a few soft blotches that wrap at the edges.
void background(QPainter& p, QSizeF size)
{
    p.fillRect(QRectF(QPointF(0, 0), size), QColor(226, 196, 140));
    QRandomGenerator random(7772);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
        const QPointF centre(random.bounded(size.width()), random.bounded(size.height()));
        const qreal radius = 14 + random.bounded(30.0);
        const bool light = random.bounded(2) == 0;
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                const QPointF c = centre + QPointF(dx * size.width(), dy * size.height());
                QRadialGradient blot(c, radius);
                blot.setColorAt(0, light ? QColor(255, 240, 200, 26) : QColor(160, 110, 50, 14));
                blot.setColorAt(1, QColor(0, 0, 0, 0));
                p.setBrush(blot);
                p.drawEllipse(c, radius, radius);
            }
        }
    }
    // fine grain, one speck per logical pixel here and there
    for (int i = 0; i < int(size.width() * size.height() / 6); ++i) {
        const QPointF at(random.bounded(int(size.width())), random.bounded(int(size.height())));
        const bool light = random.bounded(2) == 0;
        p.fillRect(QRectF(at, QSizeF(1, 1)), light ? QColor(255, 250, 230, 28) : QColor(120, 80, 30, 22));
    }
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures <output folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);

    bool ok = true;
    ok &= render(folder, "background", QSize(128, 128), background);
    ok &= render(folder, "start", QSize(193, 33), button("Start Game", GreenTop, GreenBottom, GreenEdge, 15));
    ok &= render(folder, "gamestart", QSize(120, 33), button("Start", GreenTop, GreenBottom, GreenEdge, 15));
    ok &= render(folder, "clear", QSize(107, 33), button("Clear", RedTop, RedBottom, RedEdge, 15));
    ok &= render(folder, "foundit", QSize(14, 14), foundit);
    ok &= render(folder, "eyes", QSize(20, 12), eyes);
    ok &= render(folder, "check_on", QSize(20, 20), check(true));
    ok &= render(folder, "check_off", QSize(20, 20), check(false));
    for (int n = 1; n <= 9; ++n)
        ok &= render(folder, QStringLiteral("phrase%1").arg(n), QSize(21, 15), phrase(n));
    ok &= render(folder, "phrase_note", QSize(21, 15), phraseNote);
    ok &= render(folder, "watching", QSize(100, 22), watching);
    return ok ? 0 : 1;
}
