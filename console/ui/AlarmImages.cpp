// The 31 images of the alarm list, 24 × 13 pixels: the twelve alarm types,
// the alternate icons of types 1 to 10, the server icons of master/slave
// operation and the marks of the group column.

#include "console/ui/IconPainting.h"

#include <algorithm>

namespace kx::ui::icons {

namespace {

using namespace palette;

enum class Scheme {
    Normal,
    Alternate
};

// The motif of an alarm type, its width on the image's 13 pixel grid, and a
// painter for either colour scheme at a given left edge.
struct TypeMotif {
    int width;
    void (*paint)(QPainter&, qreal left, Scheme);
};

bool alternate(Scheme scheme)
{
    return scheme == Scheme::Alternate;
}

QRectF box(qreal left, qreal width)
{
    return {left, 0, width, 13};
}

const TypeMotif kTypeMotifs[12] = {
    // 0 Not specified: a bell.
    {13, [](QPainter& p, qreal x, Scheme) { DrawBell(p, box(x, 13), kYellow); }},
    // 1 Contact: an input module with an open contact.
    {17, [](QPainter& p, qreal x, Scheme s) { DrawSwitch(p, box(x, 17), alternate(s) ? kRed : kBlue); }},
    // 2 Fire alarm: a flame, blue in the alternate scheme.
    {13,
     [](QPainter& p, qreal x, Scheme s) {
         if (alternate(s)) {
             DrawFlame(p, box(x, 13), kBlue, kLightBlue, kDarkBlue);
         } else {
             DrawFlame(p, box(x, 13), kRed, kYellow);
         }
     }},
    // 3 House management: a house.
    {13, [](QPainter& p, qreal x,
            Scheme s) { DrawHouse(p, box(x, 13), alternate(s) ? kBlue : kRed, alternate(s) ? kLightGrey : kBeige); }},
    // 4 Phone: a receiver.
    {13, [](QPainter& p, qreal x, Scheme s) { DrawHandset(p, box(x, 13), alternate(s) ? kRed : kDarkGrey); }},
    // 5 Technical alarm: a gear.
    {13, [](QPainter& p, qreal x, Scheme s) { DrawGear(p, box(x, 13), alternate(s) ? kOrange : kGrey); }},
    // 6 First aid / nurse call: a red cross, a white cross on green in the alternate scheme.
    {13,
     [](QPainter& p, qreal x, Scheme s) {
         if (alternate(s)) {
             DrawCrossSign(p, box(x, 13), kWhite, kGreen);
         } else {
             DrawCrossSign(p, box(x, 13), kRed, kWhite);
         }
     }},
    // 7 Day / night contact: sun and moon; the alternate puts the night first.
    {19,
     [](QPainter& p, qreal x, Scheme s) {
         if (alternate(s)) {
             DrawMoon(p, box(x, 13), kDarkBlue);
             DrawSun(p, box(x + 6, 13));
         } else {
             DrawSun(p, box(x, 13));
             DrawMoon(p, box(x + 6, 13), kDarkBlue);
         }
     }},
    // 8 Watchdog alarm: a stopwatch.
    {13, [](QPainter& p, qreal x, Scheme s) { DrawStopwatch(p, box(x, 13), alternate(s) ? kRed : kBlue); }},
    // 9 Man-down function: a person lying on the floor.
    {17, [](QPainter& p, qreal x, Scheme s) { DrawLyingPerson(p, box(x, 17), alternate(s) ? kRed : kDarkGrey); }},
    // 10 Server / network watch (ping): a globe with echo waves.
    {18,
     [](QPainter& p, qreal x, Scheme s) {
         DrawPingGlobe(p, box(x, 18), alternate(s) ? kGreen : kBlue, alternate(s) ? kDarkGreen : kOrange);
     }},
    // 11 Service / process watch: a window with a pulse trace.
    {15, [](QPainter& p, qreal x, Scheme) { DrawProcessWindow(p, box(x, 15), kBlue, kRed); }},
};

// The left edge that centres a motif on the 24 pixel image, on whole pixels.
qreal centred(int width)
{
    return qreal((24 - width) / 2);
}

void paintType(QPainter& painter, int type)
{
    const TypeMotif& motif = kTypeMotifs[type];
    motif.paint(painter, centred(motif.width), Scheme::Normal);
}

// The alternate icon: the motif in its alternate colours, moved to the left,
// and a mark on the right: a small orange flag, or for types 9 and 10, which
// share their index with the master/slave server icons, a server tower with
// the number of the server.
void paintAlternate(QPainter& painter, int type)
{
    const TypeMotif& motif = kTypeMotifs[type];
    if (type == 9 || type == 10) {
        motif.paint(painter, 0, Scheme::Alternate);
        DrawServer(painter, QRectF(17, 0, 7, 13), type == 9 ? kGreen : kOrange, type == 9 ? "1" : "2");
        return;
    }
    motif.paint(painter, std::max(0.0, std::min(centred(motif.width), qreal(19 - motif.width))), Scheme::Alternate);
    // The flag: a pole with a pennant.
    FillCells(painter, 20, 1, 1, 11, kInk);
    QPainterPath pennant;
    pennant.moveTo(21, 1.5);
    pennant.lineTo(23.8, 3.5);
    pennant.lineTo(21, 5.5);
    pennant.closeSubpath();
    FillOutlined(painter, pennant, kOrange, kOrange.darker(170));
}

// Another server handles the alarm: two towers and the arrow between them.
void paintOtherServer(QPainter& painter)
{
    DrawServer(painter, QRectF(1, 0, 7, 13), kLightGrey);
    DrawArrow(painter, QRectF(8.5, 3, 7, 7), kDarkGrey);
    DrawServer(painter, QRectF(16, 0, 7, 13), kDarkBlue);
}

// The free slots: plain grey shapes, outlined only.
void paintFreeSlot(QPainter& painter, int slot)
{
    painter.setBrush(kLightGrey);
    painter.setPen(OutlinePen(painter, kGrey, 1.0));
    switch (slot) {
    case 0:
        painter.drawEllipse(QRectF(7.5, 1.5, 10, 10));
        break;
    case 1:
        painter.drawRect(QRectF(7.5, 1.5, 10, 10));
        break;
    default:
        painter.drawPolygon(
            QPolygonF({QPointF(12.5, 0.8), QPointF(18.2, 6.5), QPointF(12.5, 12.2), QPointF(6.8, 6.5)}));
        break;
    }
}

}  // namespace

bool PaintAlarmImage(QPainter& painter, int index)
{
    if (index >= 0 && index <= 11) {
        paintType(painter, index);
        return true;
    }
    if (index >= 12 && index <= 21) {
        paintAlternate(painter, index - 11);
        return true;
    }
    switch (index) {
    case 22:
        paintOtherServer(painter);
        return true;
    case 23:
        DrawCalendar(painter, box(5, 13), kRed);
        return true;
    case 24:
    case 25:
    case 26:
        paintFreeSlot(painter, index - 24);
        return true;
    case 27:
        DrawWarning(painter, box(5, 13));
        return true;
    case 28:
        // The second plan: a calendar with a clock in front of it.
        DrawCalendar(painter, box(3, 13), kBlue);
        DrawClock(painter, QRectF(13, 3, 10, 10), kWhite);
        return true;
    case 29:
        DrawGroup(painter, box(3, 17), kGrey, true);
        return true;
    case 30:
        DrawBell(painter, box(5, 13), kLightGrey, kGrey);
        DrawStrike(painter, box(5, 13));
        return true;
    default:
        return false;
    }
}

}  // namespace kx::ui::icons
