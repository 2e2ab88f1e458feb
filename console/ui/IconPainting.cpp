#include "console/ui/IconPainting.h"

#include <QPainterPathStroker>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace kx::ui::icons {

using namespace palette;

// ---- pens, fills, grids ---------------------------------------------------

QPen OutlinePen(const QPainter& painter, const QColor& color, qreal units)
{
    // The device scale of the current transform (uniform scaling assumed).
    const QTransform t = painter.deviceTransform();
    const qreal scale = std::sqrt(std::abs(t.m11() * t.m22() - t.m12() * t.m21()));
    const qreal width = scale > 0 ? std::max(1.0, units * scale) / scale : units;
    QPen pen(color, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void FillOutlined(QPainter& painter, const QPainterPath& path, const QColor& fill, const QColor& line, qreal units)
{
    painter.setPen(OutlinePen(painter, line, units));
    painter.setBrush(fill);
    painter.drawPath(path);
}

void FillCells(QPainter& painter, qreal x, qreal y, qreal w, qreal h, const QColor& color)
{
    painter.fillRect(QRectF(x, y, w, h), color);
}

void StrokeLine(QPainter& painter, QPointF from, QPointF to, const QColor& color, qreal units)
{
    painter.setPen(OutlinePen(painter, color, units));
    painter.drawLine(from, to);
}

Grid::Grid(QPainter& painter, const QRectF& box, qreal gridWidth, qreal gridHeight) : m_painter(painter)
{
    painter.save();
    const qreal scale = std::min(box.width() / gridWidth, box.height() / gridHeight);
    painter.translate(box.x() + (box.width() - gridWidth * scale) / 2,
                      box.y() + (box.height() - gridHeight * scale) / 2);
    painter.scale(scale, scale);
}

Grid::~Grid()
{
    m_painter.restore();
}

namespace {

// A thick stroke of a path, as a fillable outline.
QPainterPath thicken(const QPainterPath& spine, qreal width, Qt::PenCapStyle cap = Qt::RoundCap)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(spine).simplified();
}

QPainterPath circle(QPointF centre, qreal radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath roundedRect(const QRectF& rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPointF polar(QPointF centre, qreal radius, qreal degrees)
{
    const qreal a = degrees * std::numbers::pi / 180.0;
    return {centre.x() + radius * std::cos(a), centre.y() - radius * std::sin(a)};
}

// ---- the pixel font ----

struct Glyph {
    char letter;
    std::array<unsigned char, 5> rows;  // bit 2 left, bit 1 middle, bit 0 right
};

constexpr Glyph kGlyphs[] = {
    {'A', {2, 5, 7, 5, 5}}, {'B', {6, 5, 6, 5, 6}}, {'C', {3, 4, 4, 4, 3}}, {'D', {6, 5, 5, 5, 6}},
    {'E', {7, 4, 6, 4, 7}}, {'F', {7, 4, 6, 4, 4}}, {'G', {3, 4, 5, 5, 3}}, {'H', {5, 5, 7, 5, 5}},
    {'I', {7, 2, 2, 2, 7}}, {'J', {1, 1, 1, 5, 2}}, {'K', {5, 5, 6, 5, 5}}, {'L', {4, 4, 4, 4, 7}},
    {'M', {5, 7, 7, 5, 5}}, {'N', {6, 5, 5, 5, 5}}, {'O', {7, 5, 5, 5, 7}}, {'P', {6, 5, 6, 4, 4}},
    {'Q', {2, 5, 5, 6, 3}}, {'R', {6, 5, 6, 5, 5}}, {'S', {3, 4, 2, 1, 6}}, {'T', {7, 2, 2, 2, 2}},
    {'U', {5, 5, 5, 5, 7}}, {'V', {5, 5, 5, 5, 2}}, {'W', {5, 5, 7, 7, 5}}, {'X', {5, 5, 2, 5, 5}},
    {'Y', {5, 5, 2, 2, 2}}, {'Z', {7, 1, 2, 4, 7}}, {'0', {2, 5, 5, 5, 2}}, {'1', {2, 6, 2, 2, 7}},
    {'2', {6, 1, 2, 4, 7}}, {'3', {6, 1, 2, 1, 6}}, {'4', {5, 5, 7, 1, 1}}, {'5', {7, 4, 6, 1, 6}},
    {'6', {3, 4, 6, 5, 2}}, {'7', {7, 1, 2, 2, 2}}, {'8', {2, 5, 2, 5, 2}}, {'9', {2, 5, 3, 1, 6}},
    {'?', {6, 1, 2, 0, 2}}, {'!', {2, 2, 2, 0, 2}}, {'-', {0, 0, 7, 0, 0}}, {'/', {1, 1, 2, 4, 4}},
    {'<', {1, 2, 4, 2, 1}}, {'>', {4, 2, 1, 2, 4}}, {'.', {0, 0, 0, 0, 2}}, {' ', {0, 0, 0, 0, 0}},
};

const Glyph* findGlyph(char letter)
{
    for (const Glyph& glyph : kGlyphs) {
        if (glyph.letter == letter)
            return &glyph;
    }
    return nullptr;
}

}  // namespace

// ---- letters --------------------------------------------------------------

int PixelTextWidth(std::string_view text)
{
    return text.empty() ? 0 : int(text.size()) * 4 - 1;
}

void DrawPixelText(QPainter& painter, QPointF topLeft, std::string_view text, const QColor& color)
{
    // One path of all cells, filled at once: no seams between cells when scaled.
    QPainterPath cells;
    qreal x = topLeft.x();
    for (char letter : text) {
        if (const Glyph* glyph = findGlyph(letter)) {
            for (int row = 0; row < 5; ++row) {
                for (int column = 0; column < 3; ++column) {
                    if (glyph->rows[std::size_t(row)] & (4 >> column)) {
                        cells.addRect(QRectF(x + column, topLeft.y() + row, 1, 1));
                    }
                }
            }
        }
        x += 4;
    }
    painter.fillPath(cells.simplified(), color);
}

void DrawBadge(QPainter& painter, const QRectF& box, std::string_view text, const QColor& fill, const QColor& textColor)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(box, 2, 2);
    const qreal x = box.x() + std::floor((box.width() - PixelTextWidth(text)) / 2);
    const qreal y = box.y() + std::floor((box.height() - 5) / 2);
    DrawPixelText(painter, {x, y}, text, textColor);
}

// ---- motifs ---------------------------------------------------------------

void DrawBell(QPainter& painter, const QRectF& box, const QColor& body, const QColor& line)
{
    Grid grid(painter, box);
    // Clapper first, the body covers its top.
    FillOutlined(painter, circle({6.5, 11.2}, 1.4), body.darker(115), line);
    QPainterPath bell;
    bell.moveTo(1.0, 10.5);
    bell.cubicTo(2.6, 9.4, 2.8, 8.2, 2.8, 6.2);
    bell.cubicTo(2.8, 3.3, 4.3, 1.6, 6.5, 1.6);
    bell.cubicTo(8.7, 1.6, 10.2, 3.3, 10.2, 6.2);
    bell.cubicTo(10.2, 8.2, 10.4, 9.4, 12.0, 10.5);
    bell.closeSubpath();
    FillOutlined(painter, bell, body, line);
    FillOutlined(painter, circle({6.5, 1.1}, 0.9), body, line);
    // A highlight on the left shoulder.
    QPainterPath shine;
    shine.moveTo(4.3, 8.4);
    shine.cubicTo(4.3, 6.5, 4.3, 4.4, 5.6, 3.4);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(OutlinePen(painter, body.lighter(150), 1.0));
    painter.drawPath(shine);
}

void DrawFlame(QPainter& painter, const QRectF& box, const QColor& outer, const QColor& inner, const QColor& line)
{
    Grid grid(painter, box);
    QPainterPath flame;
    flame.moveTo(6.6, 0.4);
    flame.cubicTo(7.6, 3.0, 11.2, 4.6, 11.2, 8.4);
    flame.cubicTo(11.2, 11.0, 9.2, 12.5, 6.5, 12.5);
    flame.cubicTo(3.8, 12.5, 1.8, 11.0, 1.8, 8.4);
    flame.cubicTo(1.8, 6.4, 3.0, 5.0, 3.6, 3.4);
    flame.cubicTo(4.6, 4.8, 4.8, 5.8, 5.3, 6.8);
    flame.cubicTo(5.9, 4.8, 5.4, 2.6, 6.6, 0.4);
    flame.closeSubpath();
    FillOutlined(painter, flame, outer, line);
    QPainterPath core;
    core.moveTo(6.5, 6.0);
    core.cubicTo(7.6, 7.8, 9.1, 8.7, 9.1, 10.1);
    core.cubicTo(9.1, 11.3, 7.9, 12.0, 6.5, 12.0);
    core.cubicTo(5.1, 12.0, 3.9, 11.3, 3.9, 10.1);
    core.cubicTo(3.9, 8.9, 5.5, 8.1, 6.5, 6.0);
    core.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(inner);
    painter.drawPath(core);
}

void DrawHouse(QPainter& painter, const QRectF& box, const QColor& roof, const QColor& wall)
{
    Grid grid(painter, box);
    FillCells(painter, 9, 1, 2, 4, kDarkGrey);  // chimney
    FillOutlined(painter, roundedRect(QRectF(2.5, 6.0, 8, 6.5), 0.5), wall);
    FillOutlined(painter, polygon({{0.5, 7.0}, {6.5, 1.0}, {12.5, 7.0}}), roof, roof.darker(170));
    FillCells(painter, 5, 8, 3, 5, kBrown);  // door
    FillCells(painter, 3.5, 8, 1, 1.5, kLightBlue);
    FillCells(painter, 8.5, 8, 1, 1.5, kLightBlue);
}

void DrawHandset(QPainter& painter, const QRectF& box, const QColor& color, const QColor& line)
{
    Grid grid(painter, box);
    QPainterPath spine;
    spine.moveTo(3.0, 2.5);
    spine.cubicTo(2.0, 6.0, 6.0, 10.5, 10.5, 10.0);
    QPainterPath shape = thicken(spine, 2.6);
    shape = shape.united(roundedRect(QRectF(1.0, 0.8, 4.6, 3.4), 1.2));
    shape = shape.united(roundedRect(QRectF(8.8, 7.4, 3.4, 4.6), 1.2));
    FillOutlined(painter, shape.simplified(), color, line);
}

void DrawDeskPhone(QPainter& painter, const QRectF& box, const QColor& color)
{
    Grid grid(painter, box);
    const QColor line = color.darker(200);
    QPainterPath base = polygon({{3.5, 6.5}, {9.5, 6.5}, {12.0, 12.5}, {1.0, 12.5}});
    FillOutlined(painter, base, color, line);
    FillOutlined(painter, circle({6.5, 9.6}, 1.8), kWhite, line);
    QPainterPath receiver;
    receiver.moveTo(0.5, 5.5);
    receiver.lineTo(0.5, 3.2);
    receiver.quadTo(0.5, 1.5, 2.5, 1.5);
    receiver.lineTo(10.5, 1.5);
    receiver.quadTo(12.5, 1.5, 12.5, 3.2);
    receiver.lineTo(12.5, 5.5);
    receiver.lineTo(9.5, 5.5);
    receiver.lineTo(9.0, 4.0);
    receiver.lineTo(4.0, 4.0);
    receiver.lineTo(3.5, 5.5);
    receiver.closeSubpath();
    FillOutlined(painter, receiver, color, line);
}

void DrawMobile(QPainter& painter, const QRectF& box, const QColor& body, const QColor& screen)
{
    Grid grid(painter, box);
    FillOutlined(painter, roundedRect(QRectF(3.5, 0.5, 6, 12), 1.3), body, kInk);
    FillCells(painter, 4.5, 2, 4, 7, screen);
    FillCells(painter, 6, 10, 1, 1, screen);
    FillCells(painter, 5.5, 1, 2, 0.6, screen.darker(130));
}

void DrawCordless(QPainter& painter, const QRectF& box, const QColor& body)
{
    Grid grid(painter, box);
    FillCells(painter, 4.5, 0, 1.5, 3, kInk);  // antenna
    FillOutlined(painter, roundedRect(QRectF(1.5, 2.5, 5, 10), 1.2), body, kInk);
    FillCells(painter, 2.5, 3.5, 3, 2, kLightGreen);
    for (int row = 0; row < 3; ++row) {
        FillCells(painter, 2.5, 7 + 1.6 * row, 1, 1, kInk);
        FillCells(painter, 4.5, 7 + 1.6 * row, 1, 1, kInk);
    }
    // Radio waves from the antenna's tip.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(OutlinePen(painter, kBlue, 1.0));
    for (qreal radius : {3.2, 5.6}) {
        painter.drawArc(QRectF(5.2 - radius, 1.4 - radius, 2 * radius, 2 * radius), -60 * 16, 85 * 16);
    }
}

void DrawEnvelope(QPainter& painter, const QRectF& box, const QColor& paper, const QColor& line)
{
    Grid grid(painter, box);
    FillOutlined(painter, roundedRect(QRectF(0.5, 2.5, 12, 8), 0.6), paper, line);
    QPainterPath flap;
    flap.moveTo(0.8, 2.8);
    flap.lineTo(6.5, 7.3);
    flap.lineTo(12.2, 2.8);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(OutlinePen(painter, line, 1.0));
    painter.drawPath(flap);
}

void DrawSpeechBubble(QPainter& painter, const QRectF& box, const QColor& color)
{
    Grid grid(painter, box);
    QPainterPath bubble = roundedRect(QRectF(0.5, 0.5, 12, 8.5), 2.5);
    bubble = bubble.united(polygon({{2.8, 8.0}, {2.0, 12.5}, {6.5, 8.0}}));
    FillOutlined(painter, bubble.simplified(), color, color.darker(180));
    FillCells(painter, 3, 3, 7, 1, kWhite);
    FillCells(painter, 3, 5, 5, 1, kWhite);
}

void DrawPager(QPainter& painter, const QRectF& box, const QColor& body)
{
    Grid grid(painter, box);
    FillCells(painter, 2, 1, 3, 2.5, kInk);  // belt clip
    FillOutlined(painter, roundedRect(QRectF(0.5, 2.5, 12, 9), 1.5), body, kInk);
    FillCells(painter, 2, 4, 9, 4, kLightGreen);
    FillCells(painter, 3, 5, 4, 1, kDarkGreen);
    FillCells(painter, 3, 6.5, 6, 0.8, kDarkGreen);
    FillCells(painter, 3, 9.3, 2, 1, kLightGrey);
    FillCells(painter, 8, 9.3, 2, 1, kLightGrey);
}

void DrawFax(QPainter& painter, const QRectF& box)
{
    Grid grid(painter, box);
    QPainterPath paper;
    paper.addRect(QRectF(3.5, 0.5, 6, 7));
    FillOutlined(painter, paper, kWhite, kInk);
    FillCells(painter, 5, 2, 3, 1, kGrey);
    FillCells(painter, 5, 4, 3, 1, kGrey);
    FillOutlined(painter, roundedRect(QRectF(0.5, 5.5, 12, 7), 1.2), kLightGrey, kInk);
    FillCells(painter, 2, 7, 9, 1, kInk);  // paper slot
    FillCells(painter, 2, 9, 3, 2, kDarkGrey);
    for (int i = 0; i < 3; ++i)
        FillCells(painter, 6 + 2 * i, 9, 1, 1, kBlue);
    for (int i = 0; i < 3; ++i)
        FillCells(painter, 6 + 2 * i, 10.5, 1, 1, kBlue);
}

void DrawGear(QPainter& painter, const QRectF& box, const QColor& color, int teeth, const QColor& line)
{
    Grid grid(painter, box);
    const QPointF centre(6.5, 6.5);
    const qreal outer = 6.0;
    const qreal root = 4.3;
    const qreal step = 360.0 / teeth;
    QPolygonF outline;
    for (int i = 0; i < teeth; ++i) {
        const qreal a = 90.0 + i * step;
        outline << polar(centre, root, a - step * 0.32) << polar(centre, outer, a - step * 0.17)
                << polar(centre, outer, a + step * 0.17) << polar(centre, root, a + step * 0.32);
    }
    QPainterPath gear;
    gear.addPolygon(outline);
    gear.closeSubpath();
    gear.addEllipse(centre, 1.8, 1.8);
    gear.setFillRule(Qt::OddEvenFill);
    FillOutlined(painter, gear, color, line);
}

namespace {

QPainterPath personShape(QPointF head, qreal headRadius, qreal left, qreal right, qreal shoulderTop, qreal bottom)
{
    QPainterPath body;
    const qreal mid = (left + right) / 2;
    body.moveTo(left, bottom);
    body.cubicTo(left, shoulderTop + 1.2, left + 1.6, shoulderTop, mid, shoulderTop);
    body.cubicTo(right - 1.6, shoulderTop, right, shoulderTop + 1.2, right, bottom);
    body.closeSubpath();
    return body.united(circle(head, headRadius)).simplified();
}

}  // namespace

void DrawPerson(QPainter& painter, const QRectF& box, const QColor& color, const QColor& line)
{
    Grid grid(painter, box);
    FillOutlined(painter, personShape({6.5, 3.5}, 2.8, 1.5, 11.5, 7.2, 12.5), color, line);
    // The neck line separates head and shoulders.
    painter.setPen(OutlinePen(painter, line, 1.0));
    painter.drawLine(QPointF(5.0, 7.2), QPointF(8.0, 7.2));
}

void DrawLyingPerson(QPainter& painter, const QRectF& box, const QColor& color)
{
    Grid grid(painter, box, 17, 13);
    FillCells(painter, 0, 12, 17, 1, kDarkGrey);  // the floor
    // Head, torso and two parallel legs on the floor, one arm raised.
    QPainterPath figure = circle({2.7, 8.8}, 2.3);
    figure = figure.united(roundedRect(QRectF(5.6, 7.6, 6.4, 3.6), 1.2));
    figure = figure.united(roundedRect(QRectF(11.0, 7.6, 5.6, 1.5), 0.7));
    figure = figure.united(roundedRect(QRectF(11.0, 9.7, 5.6, 1.5), 0.7));
    QPainterPath arm;
    arm.moveTo(7.2, 8.0);
    arm.lineTo(9.4, 3.6);
    figure = figure.united(thicken(arm, 1.6));
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPath(figure.simplified());
}

void DrawCalendar(QPainter& painter, const QRectF& box, const QColor& header)
{
    Grid grid(painter, box);
    FillOutlined(painter, roundedRect(QRectF(0.5, 1.5, 12, 11), 0.8), kWhite, kInk);
    FillCells(painter, 1, 2, 11, 3, header);
    FillCells(painter, 3, 0, 1, 3, kInk);  // the binder rings
    FillCells(painter, 9, 0, 1, 3, kInk);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            const bool today = row == 1 && column == 2;
            FillCells(painter, 2 + 2.5 * column, 6 + 2 * row, 1.5, 1, today ? header : kGrey);
        }
    }
}

void DrawClock(QPainter& painter, const QRectF& box, const QColor& face, const QColor& line)
{
    Grid grid(painter, box);
    FillOutlined(painter, circle({6.5, 6.5}, 5.8), face, line);
    FillCells(painter, 6, 1.5, 1, 1, line);
    FillCells(painter, 6, 10.5, 1, 1, line);
    FillCells(painter, 1.5, 6, 1, 1, line);
    FillCells(painter, 10.5, 6, 1, 1, line);
    painter.setPen(OutlinePen(painter, line, 1.2));
    painter.drawLine(QPointF(6.5, 6.5), QPointF(6.5, 3.4));
    painter.drawLine(QPointF(6.5, 6.5), QPointF(9.0, 7.8));
}

void DrawStopwatch(QPainter& painter, const QRectF& box, const QColor& rim)
{
    Grid grid(painter, box);
    FillCells(painter, 4.5, 0, 4, 1.5, rim.darker(150));  // crown
    FillCells(painter, 6, 1.5, 1, 1.5, rim.darker(150));
    painter.save();
    painter.translate(10.8, 3.2);
    painter.rotate(45);
    FillCells(painter, -1, -0.8, 2, 1.6, rim.darker(150));  // side button
    painter.restore();
    // A coloured rim around a white dial.
    FillOutlined(painter, circle({6.5, 7.7}, 5.2), rim, kInk);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kWhite);
    painter.drawEllipse(QPointF(6.5, 7.7), 3.6, 3.6);
    // A quarter of the dial elapsed.
    QPainterPath sector;
    sector.moveTo(6.5, 7.7);
    sector.arcTo(QRectF(2.9, 4.1, 7.2, 7.2), 90, -90);
    sector.closeSubpath();
    painter.setBrush(rim.lighter(160));
    painter.drawPath(sector);
    painter.setPen(OutlinePen(painter, kInk, 1.0));
    painter.drawLine(QPointF(6.5, 7.7), QPointF(6.5, 4.6));
    painter.drawLine(QPointF(6.5, 7.7), QPointF(9.4, 7.7));
}

void DrawServer(QPainter& painter, const QRectF& box, const QColor& body, std::string_view label)
{
    Grid grid(painter, box, 7, 13);
    FillOutlined(painter, roundedRect(QRectF(0.5, 0.5, 6, 12), 0.8), body, kInk);
    const QColor slot = body.lightness() > 140 ? kDarkGrey : kLightGrey;
    FillCells(painter, 2, 2, 3, 1, slot);
    FillCells(painter, 2, 4, 3, 1, slot);
    if (label.empty()) {
        FillCells(painter, 2, 6, 3, 1, slot);
        FillCells(painter, 2, 9.5, 1.5, 1.5, kLightGreen);
    } else {
        DrawPixelText(painter, {2, 6}, label.substr(0, 1), kWhite);
    }
}

void DrawCrossSign(QPainter& painter, const QRectF& box, const QColor& cross, const QColor& ground)
{
    Grid grid(painter, box);
    const QColor line = ground.lightness() > 200 ? kDarkGrey : ground.darker(170);
    FillOutlined(painter, roundedRect(QRectF(0.5, 0.5, 12, 12), 2.2), ground, line);
    FillCells(painter, 5, 2, 3, 9, cross);
    FillCells(painter, 2, 5, 9, 3, cross);
}

void DrawSun(QPainter& painter, const QRectF& box)
{
    Grid grid(painter, box);
    const QPointF centre(6.5, 6.5);
    painter.setPen(OutlinePen(painter, kOrange, 1.2));
    for (int i = 0; i < 8; ++i) {
        painter.drawLine(polar(centre, 4.6, i * 45.0), polar(centre, 6.2, i * 45.0));
    }
    FillOutlined(painter, circle(centre, 3.2), kYellow, kOrange.darker(130));
}

void DrawMoon(QPainter& painter, const QRectF& box, const QColor& color)
{
    Grid grid(painter, box);
    const QPainterPath moon = circle({6.0, 6.5}, 5.6).subtracted(circle({9.6, 4.2}, 4.6));
    FillOutlined(painter, moon, color, color.darker(200));
}

void DrawSwitch(QPainter& painter, const QRectF& box, const QColor& housing)
{
    Grid grid(painter, box, 17, 13);
    // An input module: a housing with the symbol of an open contact on it.
    FillOutlined(painter, roundedRect(QRectF(0.5, 1.5, 16, 10), 1.5), housing, housing.darker(180));
    FillCells(painter, 2, 8, 2.5, 1, kWhite);
    FillCells(painter, 12.5, 8, 2.5, 1, kWhite);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kWhite);
    painter.drawEllipse(QPointF(5.3, 8.5), 1.4, 1.4);
    painter.drawEllipse(QPointF(11.7, 8.5), 1.4, 1.4);
    StrokeLine(painter, {5.6, 8.0}, {11.0, 4.0}, kWhite, 1.4);
}

void DrawPingGlobe(QPainter& painter, const QRectF& box, const QColor& sea, const QColor& waves)
{
    Grid grid(painter, box, 18, 13);
    const QPointF centre(6.5, 6.5);
    FillOutlined(painter, circle(centre, 5.8), sea, sea.darker(200));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(OutlinePen(painter, sea.lighter(175), 1.0));
    painter.drawEllipse(centre, 2.4, 5.6);
    painter.drawLine(QPointF(1.2, 6.5), QPointF(11.8, 6.5));
    painter.drawLine(QPointF(2.4, 3.6), QPointF(10.6, 3.6));
    painter.drawLine(QPointF(2.4, 9.4), QPointF(10.6, 9.4));
    painter.setPen(OutlinePen(painter, waves, 1.3));
    painter.drawArc(QRectF(centre.x() - 8.2, centre.y() - 8.2, 16.4, 16.4), -35 * 16, 70 * 16);
    painter.drawArc(QRectF(centre.x() - 10.6, centre.y() - 10.6, 21.2, 21.2), -35 * 16, 70 * 16);
}

void DrawProcessWindow(QPainter& painter, const QRectF& box, const QColor& title, const QColor& trace)
{
    Grid grid(painter, box, 15, 13);
    FillOutlined(painter, roundedRect(QRectF(0.5, 1.5, 14, 10.5), 0.8), kWhite, kInk);
    FillCells(painter, 1, 2, 13, 2, title);
    QPainterPath pulse;
    pulse.moveTo(1.5, 7.5);
    pulse.lineTo(4.5, 7.5);
    pulse.lineTo(6.0, 4.5);
    pulse.lineTo(8.0, 10.5);
    pulse.lineTo(9.5, 6.5);
    pulse.lineTo(10.5, 7.5);
    pulse.lineTo(13.5, 7.5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(OutlinePen(painter, trace, 1.3));
    painter.drawPath(pulse);
}

void DrawWarning(QPainter& painter, const QRectF& box)
{
    Grid grid(painter, box);
    QPainterPath triangle;
    triangle.moveTo(6.5, 0.6);
    triangle.lineTo(12.6, 12.2);
    triangle.lineTo(0.4, 12.2);
    triangle.closeSubpath();
    FillOutlined(painter, triangle, kYellow, kDarkGold);
    FillCells(painter, 6, 4, 1, 4.5, kInk);
    FillCells(painter, 6, 9.5, 1, 1.3, kInk);
}

void DrawStrike(QPainter& painter, const QRectF& box)
{
    Grid grid(painter, box);
    const QPointF from(1.2, 11.8);
    const QPointF to(11.8, 1.2);
    StrokeLine(painter, from, to, kWhite, 3.2);
    StrokeLine(painter, from, to, kRed, 1.8);
}

void DrawGroup(QPainter& painter, const QRectF& box, const QColor& color, bool hollow)
{
    Grid grid(painter, box, 17, 13);
    const QColor fill = hollow ? kWhite : color;
    const QColor line = hollow ? color.darker(150) : kInk;
    FillOutlined(painter, personShape({11.5, 3.2}, 2.5, 7.5, 15.5, 6.8, 11.5), hollow ? kWhite : color.lighter(125),
                 line);
    FillOutlined(painter, personShape({5.5, 4.5}, 2.7, 1.0, 10.5, 8.3, 12.5), fill, line);
}

void DrawMonitor(QPainter& painter, const QRectF& box, const QColor& screen)
{
    Grid grid(painter, box);
    FillCells(painter, 5, 9.5, 3, 2, kDarkGrey);
    FillOutlined(painter, roundedRect(QRectF(2.5, 11.0, 8, 1.5), 0.5), kGrey, kInk);
    FillOutlined(painter, roundedRect(QRectF(0.5, 0.5, 12, 9), 0.8), kDarkGrey, kInk);
    FillCells(painter, 1.5, 1.5, 10, 7, screen);
}

void DrawDocument(QPainter& painter, const QRectF& box)
{
    Grid grid(painter, box);
    QPainterPath page = polygon({{1.5, 0.5}, {8.5, 0.5}, {11.5, 3.5}, {11.5, 12.5}, {1.5, 12.5}});
    FillOutlined(painter, page, kWhite, kInk);
    FillOutlined(painter, polygon({{8.5, 0.5}, {8.5, 3.5}, {11.5, 3.5}}), kLightGrey, kInk);
    for (int row = 0; row < 4; ++row) {
        FillCells(painter, 3, 5 + 2 * row, row % 2 ? 4 : 6, 1, row == 0 ? kBlue : kGrey);
    }
}

void DrawMagnifier(QPainter& painter, const QRectF& box)
{
    Grid grid(painter, box);
    StrokeLine(painter, {8.0, 8.0}, {11.6, 11.6}, kInk, 2.8);
    QColor glass = kLightBlue;
    glass.setAlpha(220);
    FillOutlined(painter, circle({5.3, 5.3}, 4.0), glass, kInk, 1.6);
}

void DrawPencil(QPainter& painter, const QRectF& box)
{
    Grid grid(painter, box);
    painter.save();
    painter.translate(6.5, 6.5);
    painter.rotate(-45);
    // Along the x axis, the tip at the left.
    FillOutlined(painter, polygon({{-6.8, 0}, {-4.0, -1.8}, {-4.0, 1.8}}), kBeige, kInk);
    FillCells(painter, -7.0, -0.5, 1.3, 1.0, kInk);
    FillOutlined(painter, roundedRect(QRectF(-4.0, -1.8, 8.6, 3.6), 0.3), kOrange, kInk);
    FillOutlined(painter, roundedRect(QRectF(4.6, -1.8, 2.2, 3.6), 0.8), kRed.lighter(130), kInk);
    painter.restore();
}

void DrawDatabase(QPainter& painter, const QRectF& box, const QColor& color)
{
    Grid grid(painter, box);
    const QColor line = color.darker(200);
    QPainterPath body;
    body.moveTo(1.5, 2.5);
    body.lineTo(1.5, 10.5);
    body.arcTo(QRectF(1.5, 8.5, 10, 4), 180, 180);
    body.lineTo(11.5, 2.5);
    body.closeSubpath();
    FillOutlined(painter, body, color, line);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(OutlinePen(painter, line, 1.0));
    painter.drawArc(QRectF(1.5, 3.8, 10, 4), 180 * 16, 180 * 16);
    painter.drawArc(QRectF(1.5, 6.3, 10, 4), 180 * 16, 180 * 16);
    QPainterPath top;
    top.addEllipse(QRectF(1.5, 0.5, 10, 4));
    FillOutlined(painter, top, color.lighter(140), line);
}

void DrawCheckMark(QPainter& painter, const QRectF& box, const QColor& color)
{
    Grid grid(painter, box);
    QPainterPath spine;
    spine.moveTo(2.0, 7.0);
    spine.lineTo(5.0, 10.2);
    spine.lineTo(11.0, 2.6);
    FillOutlined(painter, thicken(spine, 2.8), color, color.darker(200));
}

void DrawArrow(QPainter& painter, const QRectF& box, const QColor& color, qreal degrees)
{
    Grid grid(painter, box);
    painter.translate(6.5, 6.5);
    painter.rotate(degrees);
    const QPainterPath arrow =
        polygon({{-6.0, -1.6}, {0.2, -1.6}, {0.2, -5.2}, {6.0, 0}, {0.2, 5.2}, {0.2, 1.6}, {-6.0, 1.6}});
    FillOutlined(painter, arrow, color, color.darker(200));
}

void DrawRoundSign(QPainter& painter, const QRectF& box, const QColor& color, char letter)
{
    Grid grid(painter, box);
    FillOutlined(painter, circle({6.5, 6.5}, 6.0), color, color.darker(170));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kWhite);
    if (letter == 'i') {
        painter.drawEllipse(QPointF(6.5, 3.6), 1.15, 1.15);
        painter.drawRoundedRect(QRectF(5.4, 5.4, 2.2, 5.2), 0.4, 0.4);
    } else {
        QPainterPath hook;
        hook.arcMoveTo(QRectF(4.0, 2.4, 5.0, 4.6), 160);
        hook.arcTo(QRectF(4.0, 2.4, 5.0, 4.6), 160, -250);
        hook.quadTo(6.5, 7.4, 6.5, 8.2);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(OutlinePen(painter, kWhite, 1.8));
        painter.drawPath(hook);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kWhite);
        painter.drawEllipse(QPointF(6.5, 10.3), 1.1, 1.1);
    }
}

void DrawPointer(QPainter& painter, const QRectF& box)
{
    Grid grid(painter, box);
    FillOutlined(painter,
                 polygon({{2.5, 0.5}, {2.5, 11.0}, {5.0, 8.6}, {7.0, 12.4}, {8.8, 11.5}, {6.9, 7.8}, {10.3, 7.8}}),
                 kWhite, kInk);
}

void DrawPushButton(QPainter& painter, const QRectF& box, const QColor& color)
{
    Grid grid(painter, box);
    FillOutlined(painter, roundedRect(QRectF(0.5, 0.5, 12, 12), 2.0), kYellow, kDarkGold);
    FillOutlined(painter, circle({6.5, 6.5}, 4.6), kInk, kInk);
    FillOutlined(painter, circle({6.5, 6.5}, 3.6), color, color.darker(170));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(OutlinePen(painter, color.lighter(170), 0.8));
    painter.drawArc(QRectF(4.2, 4.2, 4.6, 4.6), 100 * 16, 70 * 16);
}

void DrawWaves(QPainter& painter, const QRectF& box, const QColor& color, int arcs, bool toLeft)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    const qreal height = box.height();
    for (int i = 1; i <= arcs; ++i) {
        const qreal radius = box.width() * i / arcs;
        const qreal cx = toLeft ? box.right() : box.left();
        const QRectF arcBox(cx - radius, box.center().y() - radius, 2 * radius, 2 * radius);
        const qreal span =
            std::min(100.0, 2 * std::asin(std::min(1.0, height / (2 * radius))) * 180 / std::numbers::pi);
        painter.setPen(OutlinePen(painter, color, std::max(1.0, box.width() / arcs / 2.2)));
        painter.drawArc(arcBox, int(((toLeft ? 180 : 0) - span / 2) * 16), int(span * 16));
    }
    painter.restore();
}

void DrawPlayBadge(QPainter& painter, const QRectF& box, const QColor& color)
{
    Grid grid(painter, box);
    FillOutlined(painter, circle({6.5, 6.5}, 6.0), color, color.darker(190));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kWhite);
    painter.drawPath(polygon({{5.0, 3.6}, {9.8, 6.5}, {5.0, 9.4}}));
}

void DrawMast(QPainter& painter, const QRectF& box, const QColor& color)
{
    Grid grid(painter, box);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(OutlinePen(painter, kInk, 1.1));
    painter.drawLine(QPointF(6.5, 4.0), QPointF(3.5, 12.5));
    painter.drawLine(QPointF(6.5, 4.0), QPointF(9.5, 12.5));
    painter.drawLine(QPointF(5.3, 8.0), QPointF(7.7, 8.0));
    painter.drawLine(QPointF(4.3, 10.8), QPointF(8.7, 10.8));
    FillOutlined(painter, circle({6.5, 3.5}, 1.5), color, color.darker(180));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(OutlinePen(painter, color, 1.0));
    for (qreal radius : {3.3, 5.6}) {
        const QRectF arcBox(6.5 - radius, 3.5 - radius, 2 * radius, 2 * radius);
        painter.drawArc(arcBox, 145 * 16, 60 * 16);
        painter.drawArc(arcBox, -25 * 16, 60 * 16);
    }
}

void DrawSpeaker(QPainter& painter, const QRectF& box, const QColor& color)
{
    Grid grid(painter, box);
    FillOutlined(painter, polygon({{0.5, 4.5}, {3.5, 4.5}, {7.5, 1.0}, {7.5, 12.0}, {3.5, 8.5}, {0.5, 8.5}}), color,
                 kInk);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(OutlinePen(painter, kInk, 1.0));
    painter.drawLine(QPointF(3.5, 4.5), QPointF(3.5, 8.5));
    for (qreal radius : {2.6, 4.8}) {
        painter.drawArc(QRectF(7.5 - radius, 6.5 - radius, 2 * radius, 2 * radius), -50 * 16, 100 * 16);
    }
}

}  // namespace kx::ui::icons
