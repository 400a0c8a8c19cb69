// Draws the advert of the lobby download window as a 400 x 339 JPEG picture: a game in
// progress on the game's parchment, a small board with a found word, the players at the
// table and a few lines of chat, under the lobby's name.
// Built and run by tools/make_advert.py.
//
// Usage: make_advert <background tile> <output file>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <cstdio>

namespace {

// The palette of the other pictures and of the built-in tiles.
const QColor Ink(74, 46, 18);
const QColor Cream(252, 243, 220);
const QColor GreenTop(122, 190, 86);
const QColor GreenBottom(58, 132, 44);
const QColor GreenEdge(40, 96, 30);
const QColor IvoryTop(255, 249, 231);
const QColor IvoryBottom(236, 218, 178);
const QColor TileEdge(146, 104, 56);
const QColor PickRing(222, 56, 26);

QFont sans(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// Text with the soft shadow the buttons' captions have.
void shadowText(QPainter& p, const QRectF& box, int flags, const QString& text, const QColor& colour,
                const QColor& shadow)
{
    p.setPen(shadow);
    p.drawText(box.translated(0, 1.2), flags, text);
    p.setPen(colour);
    p.drawText(box, flags, text);
}

void card(QPainter& p, const QRectF& box)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(box.translated(1.5, 2), 9, 9);
    p.setBrush(QColor(255, 250, 236, 235));
    p.setPen(QPen(TileEdge, 1.2));
    p.drawRoundedRect(box, 9, 9);
}

void banner(QPainter& p)
{
    const QRectF body(12, 10, 376, 50);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawRoundedRect(body.translated(0, 2), 14, 14);
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, GreenTop);
    fill.setColorAt(1, GreenBottom);
    p.setBrush(fill);
    p.setPen(QPen(GreenEdge, 1.5));
    p.drawRoundedRect(body, 14, 14);
    QLinearGradient shine(body.topLeft(), QPointF(body.left(), body.center().y()));
    shine.setColorAt(0, QColor(255, 255, 255, 110));
    shine.setColorAt(1, QColor(255, 255, 255, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawRoundedRect(body.adjusted(3, 2, -3, -body.height() / 2), 11, 11);
    p.setFont(sans(27, true));
    shadowText(p, body, Qt::AlignCenter, QStringLiteral("The Pelk22 Lobby"), Cream, QColor(0, 0, 0, 90));

    p.setFont(sans(13, true));
    shadowText(p, QRectF(12, 63, 376, 20), Qt::AlignCenter,
               QStringLiteral("Find players, join a table, race for the word!"), Ink, QColor(255, 250, 230, 160));
}

// One tile of the board, as the built-in tiles look, `side` pixels wide.
void tile(QPainter& p, const QRectF& box, QChar letter, bool marked, bool picked)
{
    const qreal radius = box.width() * 0.14;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(box.translated(0.8, 1.1), radius, radius);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, marked ? GreenTop : IvoryTop);
    fill.setColorAt(1, marked ? GreenBottom : IvoryBottom);
    p.setBrush(fill);
    p.setPen(QPen(marked ? GreenEdge : TileEdge, 1.0));
    p.drawRoundedRect(box, radius, radius);
    p.setFont(sans(int(box.width() * 0.56), true));
    shadowText(p, box, Qt::AlignCenter, QString(letter), marked ? Cream : Ink,
               marked ? QColor(0, 0, 0, 90) : QColor(255, 255, 255, 150));
    if (picked) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 196, 64, 140), 4.5));
        p.drawRoundedRect(box, radius, radius);
        p.setPen(QPen(PickRing, 2.4));
        p.drawRoundedRect(box, radius, radius);
    }
}

// A 5 x 5 corner of a board: the word "QUILL" found along the middle row, another word
// being picked.
void board(QPainter& p)
{
    const QRectF area(12, 92, 186, 186);
    card(p, area);
    const char* rows[5] = {"TOWAR", "MEKSD", "QUILL", "FRNOE", "BATHY"};
    const qreal side = 32, gap = 3;
    const QPointF origin(area.left() + (area.width() - 5 * side - 4 * gap) / 2,
                         area.top() + (area.height() - 5 * side - 4 * gap) / 2);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 5; ++x) {
            const QRectF box(origin.x() + x * (side + gap), origin.y() + y * (side + gap), side, side);
            const bool marked = y == 2;
            const bool picked = (y == 0 && x == 1) || (y == 1 && x == 2);
            tile(p, box, QChar(rows[y][x]), marked, picked);
        }
    }
}

void foundMark(QPainter& p, const QPointF& centre)
{
    const qreal r = 6.5;
    QRadialGradient fill(centre - QPointF(2, 2), r * 1.4);
    fill.setColorAt(0, GreenTop);
    fill.setColorAt(1, GreenBottom);
    p.setBrush(fill);
    p.setPen(QPen(GreenEdge, 1));
    p.drawEllipse(centre, r, r);
    p.setPen(QPen(Qt::white, 1.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({centre + QPointF(-3, 0.2), centre + QPointF(-0.8, 2.6), centre + QPointF(3.2, -2.6)}));
}

void players(QPainter& p)
{
    const QRectF area(206, 92, 182, 186);
    card(p, area);
    p.setFont(sans(13, true));
    p.setPen(Ink);
    p.drawText(QRectF(area.left() + 12, area.top() + 8, area.width() - 24, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("At the table"));
    p.drawText(QRectF(area.left() + 12, area.top() + 8, area.width() - 24, 20), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Score"));
    p.setPen(QPen(QColor(146, 104, 56, 120), 1));
    p.drawLine(QPointF(area.left() + 10, area.top() + 31), QPointF(area.right() - 10, area.top() + 31));

    struct Seat {
        const char* name;
        int score;
        QColor colour;
        bool found;
    };
    const Seat seats[] = {
        {"Marla", 212, QColor(30, 90, 200), true},  {"Tobias", 187, QColor(190, 40, 40), true},
        {"Juno", 143, QColor(40, 140, 60), false},  {"Priya", 120, QColor(140, 60, 170), true},
        {"Oskar", 96, QColor(200, 120, 20), false}, {"You", 78, QColor(20, 130, 150), false},
    };
    qreal y = area.top() + 38;
    for (const Seat& seat : seats) {
        const QRectF row(area.left() + 12, y, area.width() - 24, 22);
        p.setPen(Qt::NoPen);
        p.setBrush(seat.colour);
        p.drawEllipse(QPointF(row.left() + 6, row.center().y()), 5, 5);
        p.setFont(sans(13, true));
        p.setPen(seat.colour.darker(130));
        p.drawText(row.adjusted(18, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(seat.name));
        p.setPen(Ink);
        p.drawText(row, Qt::AlignRight | Qt::AlignVCenter, QString::number(seat.score));
        if (seat.found)
            foundMark(p, QPointF(row.right() - 44, row.center().y()));
        y += 24;
    }
}

void chat(QPainter& p)
{
    const QRectF area(12, 286, 376, 45);
    card(p, area);
    struct Line {
        const char* who;
        const char* said;
        QColor colour;
    };
    const Line lines[] = {
        {"Marla:", " QUILL! that was quick", QColor(30, 90, 200)},
        {"Tobias:", " rematch? first to 500 wins", QColor(190, 40, 40)},
    };
    qreal y = area.top() + 4;
    for (const Line& line : lines) {
        const QRectF row(area.left() + 12, y, area.width() - 24, 18);
        p.setFont(sans(12, true));
        p.setPen(line.colour);
        const QString who = QString::fromLatin1(line.who);
        p.drawText(row, Qt::AlignLeft | Qt::AlignVCenter, who);
        const qreal width = p.fontMetrics().horizontalAdvance(who);
        p.setFont(sans(12, false));
        p.setPen(Ink);
        p.drawText(row.adjusted(width, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(line.said));
        y += 19;
    }
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_advert <background tile> <output file>\n");
        return 2;
    }
    const QImage backdrop(QString::fromLocal8Bit(argv[1]));
    if (backdrop.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    QImage image(400, 339, QImage::Format_RGB32);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.drawTiledPixmap(image.rect(), QPixmap::fromImage(backdrop));
        banner(p);
        board(p);
        players(p);
        chat(p);
    }
    const QString out = QString::fromLocal8Bit(argv[2]);
    if (!image.save(out, "JPG", 90)) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
