// The 22 images of the member list (the phone types of a group member) and
// the 2 images of the alarm-in list, 13 × 13 pixels each.

#include "console/ui/IconPainting.h"

namespace kx::ui::icons {

namespace {

using namespace palette;

const QRectF kFull(0, 0, 13, 13);

// Codes without a common pictogram get a badge with their letters; a badge
// fills the image's width and two thirds of its height, centred.
void badge(QPainter& painter, std::string_view letters, const QColor& fill)
{
    DrawBadge(painter, QRectF(0, 3, 13, 7), letters, fill);
}

}  // namespace

bool PaintMemberImage(QPainter& painter, int index)
{
    switch (index) {
    case 0:  // unknown phone type
        DrawRoundSign(painter, kFull, kDarkGrey, '?');
        return true;
    case 1:  // INT: the desk telephone of an extension
        DrawDeskPhone(painter, kFull, kBlue);
        return true;
    case 2:  // EXT: an outside line, a receiver with an outgoing arrow
        DrawHandset(painter, kFull, kGreen, kDarkGreen);
        DrawArrow(painter, QRectF(6, 0, 7, 7), kOrange, -45);
        return true;
    case 3:  // GSM: a mobile phone
        DrawMobile(painter, kFull, kInk, kLightBlue);
        return true;
    case 4:  // DCT: a cordless handset
        DrawCordless(painter, kFull, kLightGrey);
        return true;
    case 5:  // SMS, MMS, WAP, TTR: a text message
        DrawSpeechBubble(painter, kFull, kTeal);
        return true;
    case 6:  // PAG: a pager
        DrawPager(painter, kFull, kDarkGrey);
        return true;
    case 7:
        badge(painter, "PNR", kPurple);
        return true;
    case 8:
        badge(painter, "CCX", kDarkBlue);
        return true;
    case 9:  // ALR: an alarm device, a bell
        DrawBell(painter, kFull, kYellow);
        return true;
    case 10:
        badge(painter, "A9D", kBrown);
        return true;
    case 11:
        badge(painter, "SNP", kTeal.darker(130));
        return true;
    case 12:  // FAX
        DrawFax(painter, kFull);
        return true;
    case 13:  // -@-: e-mail
        DrawEnvelope(painter, kFull, kWhite, kBlue.darker(140));
        return true;
    case 14:  // PRG: a program
        DrawGear(painter, kFull, kGrey);
        return true;
    case 15:  // BCA: a broadcast, a radio mast
        DrawMast(painter, kFull, kRed);
        return true;
    case 16:
        badge(painter, "TRP", kRed.darker(120));
        return true;
    case 17:  // ER1, ER2
        badge(painter, "ER", kOrange.darker(130));
        return true;
    case 18:  // BCD, OCP, ANS: an announcement, a loudspeaker
        DrawSpeaker(painter, kFull, kLightGrey);
        return true;
    case 19:  // BCT, XML, POP
        badge(painter, "XML", kGreen.darker(130));
        return true;
    case 20:  // CPS, SCH: timed, a clock
        DrawClock(painter, kFull, kWhite, kDarkBlue);
        return true;
    case 21:  // the person is logged out: a grey figure with a red bar
        DrawPerson(painter, kFull, kGrey, kDarkGrey);
        FillOutlined(
            painter,
            [] {
                QPainterPath bar;
                bar.addRoundedRect(QRectF(0.5, 7.5, 12, 3), 0.8, 0.8);
                return bar;
            }(),
            kRed, kDarkRed);
        FillCells(painter, 2, 8.5, 9, 1, kWhite);
        return true;
    default:
        return false;
    }
}

bool PaintAlarmInImage(QPainter& painter, int index)
{
    switch (index) {
    case 0:  // an incoming call: a receiver and an arrow pointing at it
        DrawHandset(painter, kFull, kDarkGrey);
        DrawArrow(painter, QRectF(6, 0, 7, 7), kGreen, 135);
        return true;
    case 1:  // a schedule plan decides: a calendar
        DrawCalendar(painter, kFull, kRed);
        return true;
    default:
        return false;
    }
}

}  // namespace kx::ui::icons
