#pragma once
// Drawing helpers shared by the console's image families (alarm, member and
// alarm-in images, toolbar). Internal to the console's UI
// library; the public entry points are in ConsoleIcons.h.
//
// Every motif is designed on a grid of 13 × 13 units unless its comment says
// otherwise, one unit being one pixel of a list image: pixel (i, j) covers
// [i, i+1] × [j, j+1], so 1-unit outlines run along half units and stay sharp
// at list size. A motif is drawn into a box: the grid is scaled uniformly to
// the box's height and centred in its width, so the same motif serves a 13
// pixel list image and a 24 pixel toolbar icon. Outlines never get thinner
// than one device pixel.

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

#include <string_view>

namespace kx::ui::icons {

// The palette of the whole set: a dark ink for outlines and a few saturated
// colours, each with a darker shade for outlines of its own colour.
namespace palette {
inline const QColor kInk{0x26, 0x2c, 0x36};
inline const QColor kWhite{0xff, 0xff, 0xff};
inline const QColor kPaper{0xf6, 0xf4, 0xee};
inline const QColor kLightGrey{0xd4, 0xd8, 0xde};
inline const QColor kGrey{0x9a, 0xa1, 0xab};
inline const QColor kDarkGrey{0x5c, 0x63, 0x6e};
inline const QColor kRed{0xdc, 0x2f, 0x26};
inline const QColor kDarkRed{0x8e, 0x17, 0x12};
inline const QColor kOrange{0xf5, 0x8a, 0x12};
inline const QColor kYellow{0xff, 0xd3, 0x2e};
inline const QColor kGold{0xe9, 0xa8, 0x10};
inline const QColor kDarkGold{0x8a, 0x5c, 0x05};
inline const QColor kGreen{0x2f, 0xa3, 0x48};
inline const QColor kDarkGreen{0x17, 0x5e, 0x27};
inline const QColor kLightGreen{0xb6, 0xe8, 0x8e};
inline const QColor kBlue{0x25, 0x6e, 0xd6};
inline const QColor kDarkBlue{0x15, 0x36, 0x75};
inline const QColor kLightBlue{0x9c, 0xcc, 0xf5};
inline const QColor kPurple{0x80, 0x3f, 0xbf};
inline const QColor kTeal{0x10, 0x94, 0x8a};
inline const QColor kBrown{0x9c, 0x5a, 0x2a};
inline const QColor kBeige{0xf3, 0xdf, 0xb8};
}  // namespace palette

// ---- pens, fills, grids ---------------------------------------------------

// A pen of `units` design units, at least one device pixel wide.
QPen OutlinePen(const QPainter& painter, const QColor& color, qreal units = 1.0);
// Fills a path and draws its outline.
void FillOutlined(QPainter& painter, const QPainterPath& path, const QColor& fill, const QColor& line = palette::kInk,
                  qreal units = 1.0);
// Fills the pixel cells [x, x+w] × [y, y+h] of the current grid, no outline.
void FillCells(QPainter& painter, qreal x, qreal y, qreal w, qreal h, const QColor& color);
// A stroked line of `units` width with round caps.
void StrokeLine(QPainter& painter, QPointF from, QPointF to, const QColor& color, qreal units = 1.0);

// Maps a design grid of gridWidth × gridHeight units into a box for the
// lifetime of the object: uniform scale to the box's height (or its width if
// that is narrower), centred. The painter's state is restored on exit.
class Grid {
public:
    Grid(QPainter& painter, const QRectF& box, qreal gridWidth = 13, qreal gridHeight = 13);
    ~Grid();
    Grid(const Grid&) = delete;
    Grid& operator=(const Grid&) = delete;

private:
    QPainter& m_painter;
};

// ---- letters --------------------------------------------------------------

// A 3 × 5 pixel font for short labels (A-Z, 0-9, ? ! - / < > .): legible at
// list size where an outline font is not. Each glyph is 3 units wide with
// one unit between glyphs.
int PixelTextWidth(std::string_view text);
void DrawPixelText(QPainter& painter, QPointF topLeft, std::string_view text, const QColor& color);
// A rounded badge filling the box (whole units) with the text centred in it.
void DrawBadge(QPainter& painter, const QRectF& box, std::string_view text, const QColor& fill,
               const QColor& textColor = palette::kWhite);

// ---- motifs (13 × 13 grid unless noted) -----------------------------------

void DrawBell(QPainter& painter, const QRectF& box, const QColor& body, const QColor& line = palette::kDarkGold);
void DrawFlame(QPainter& painter, const QRectF& box, const QColor& outer, const QColor& inner,
               const QColor& line = palette::kDarkRed);
void DrawHouse(QPainter& painter, const QRectF& box, const QColor& roof, const QColor& wall);
// A telephone receiver, earpiece top left, mouthpiece bottom right.
void DrawHandset(QPainter& painter, const QRectF& box, const QColor& color, const QColor& line = palette::kInk);
// A desk telephone: receiver on a base with a dial.
void DrawDeskPhone(QPainter& painter, const QRectF& box, const QColor& color);
// A mobile phone with a large screen.
void DrawMobile(QPainter& painter, const QRectF& box, const QColor& body, const QColor& screen);
// A cordless handset with antenna, keypad and radio waves.
void DrawCordless(QPainter& painter, const QRectF& box, const QColor& body);
// Envelope, 13 × 9 drawn in the middle of the 13 × 13 grid.
void DrawEnvelope(QPainter& painter, const QRectF& box, const QColor& paper, const QColor& line = palette::kInk);
void DrawSpeechBubble(QPainter& painter, const QRectF& box, const QColor& color);
void DrawPager(QPainter& painter, const QRectF& box, const QColor& body);
void DrawFax(QPainter& painter, const QRectF& box);
// A gear of `teeth` teeth with a hole.
void DrawGear(QPainter& painter, const QRectF& box, const QColor& color, int teeth = 8,
              const QColor& line = palette::kInk);
// Head and shoulders.
void DrawPerson(QPainter& painter, const QRectF& box, const QColor& color, const QColor& line = palette::kInk);
// A person lying on the ground, 17 × 13 grid.
void DrawLyingPerson(QPainter& painter, const QRectF& box, const QColor& color);
void DrawCalendar(QPainter& painter, const QRectF& box, const QColor& header);
void DrawClock(QPainter& painter, const QRectF& box, const QColor& face, const QColor& line = palette::kInk);
void DrawStopwatch(QPainter& painter, const QRectF& box, const QColor& rim);
// A server tower, 7 × 13 grid; a digit (or nothing) on its front.
void DrawServer(QPainter& painter, const QRectF& box, const QColor& body, std::string_view label = {});
// A cross on a rounded square.
void DrawCrossSign(QPainter& painter, const QRectF& box, const QColor& cross, const QColor& ground);
void DrawSun(QPainter& painter, const QRectF& box);
void DrawMoon(QPainter& painter, const QRectF& box, const QColor& color);
// An input module with the symbol of an open contact, 17 × 13 grid.
void DrawSwitch(QPainter& painter, const QRectF& box, const QColor& housing);
// A globe with echo waves to its right, 18 × 13 grid.
void DrawPingGlobe(QPainter& painter, const QRectF& box, const QColor& sea, const QColor& waves);
// An application window with a pulse trace, 15 × 13 grid.
void DrawProcessWindow(QPainter& painter, const QRectF& box, const QColor& title, const QColor& trace);
void DrawWarning(QPainter& painter, const QRectF& box);
// A red bar from bottom left to top right, over whatever is in the box.
void DrawStrike(QPainter& painter, const QRectF& box);
// Two or three people side by side, 17 × 13 grid; hollow draws outlines only.
void DrawGroup(QPainter& painter, const QRectF& box, const QColor& color, bool hollow);
void DrawMonitor(QPainter& painter, const QRectF& box, const QColor& screen);
// A sheet of paper with text lines.
void DrawDocument(QPainter& painter, const QRectF& box);
void DrawMagnifier(QPainter& painter, const QRectF& box);
void DrawPencil(QPainter& painter, const QRectF& box);
void DrawDatabase(QPainter& painter, const QRectF& box, const QColor& color);
void DrawCheckMark(QPainter& painter, const QRectF& box, const QColor& color);
// An arrow in the box, pointing right turned clockwise by `degrees` (90 points down).
void DrawArrow(QPainter& painter, const QRectF& box, const QColor& color, qreal degrees = 0);
// A round sign with a white letter drawn from shapes: 'i' or '?'.
void DrawRoundSign(QPainter& painter, const QRectF& box, const QColor& color, char letter);
// A mouse pointer.
void DrawPointer(QPainter& painter, const QRectF& box);
// An alarm push button seen from the front: a red button in a yellow housing.
void DrawPushButton(QPainter& painter, const QRectF& box, const QColor& color);
// Sound waves: `arcs` quarter arcs opening to the right of the box's left edge.
void DrawWaves(QPainter& painter, const QRectF& box, const QColor& color, int arcs, bool toLeft = false);
// A round badge with a play triangle.
void DrawPlayBadge(QPainter& painter, const QRectF& box, const QColor& color);
// A loudspeaker with sound waves.
void DrawSpeaker(QPainter& painter, const QRectF& box, const QColor& color);
// A radio mast with waves.
void DrawMast(QPainter& painter, const QRectF& box, const QColor& color);

// ---- the families (one file each) -----------------------------------------

// Paint one image of a family on a transparent surface whose coordinates are
// the image's pixels (the caller scales). False for an index outside the set.
bool PaintAlarmImage(QPainter& painter, int index);        // 24 × 13
bool PaintMemberImage(QPainter& painter, int index);       // 13 × 13
bool PaintAlarmInImage(QPainter& painter, int index);      // 13 × 13
bool PaintToolbarImage(QPainter& painter, int commandId);  // 24 × 24

}  // namespace kx::ui::icons
