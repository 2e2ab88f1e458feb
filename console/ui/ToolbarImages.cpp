// The toolbar buttons' images on a 24 × 24 grid. Most combine a main motif
// with a smaller one in the lower right corner that says what is done with it.

#include "console/CommandIds.h"
#include "console/ui/IconPainting.h"

namespace kx::ui::icons {

namespace {

using namespace palette;

// The main motif's place, and the corner of the secondary motif.
const QRectF kMain(0, 0, 19, 19);
const QRectF kWhole(1, 1, 22, 22);
const QRectF kCorner(11, 11, 13, 13);

void lineMonitor(QPainter& painter)
{
    DrawMonitor(painter, kWhole, kInk);
    Grid grid(painter, kWhole);
    QPainterPath trace;
    trace.moveTo(2.0, 6.0);
    trace.lineTo(4.0, 6.0);
    trace.lineTo(5.0, 3.0);
    trace.lineTo(6.5, 8.0);
    trace.lineTo(7.8, 4.5);
    trace.lineTo(8.6, 6.0);
    trace.lineTo(11.0, 6.0);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(OutlinePen(painter, kLightGreen, 0.8));
    painter.drawPath(trace);
}

}  // namespace

bool PaintToolbarImage(QPainter& painter, int commandId)
{
    switch (commandId) {
    case console::cmd::AlarmConfiguratorButton:  // alarm configurator: a bell and a gear
        DrawBell(painter, kMain, kYellow);
        DrawGear(painter, kCorner, kGrey);
        return true;
    case console::cmd::PersonsEditorButton:  // persons and groups editor: people and a pencil
        DrawGroup(painter, QRectF(0, 2, 22, 17), kBlue, false);
        DrawPencil(painter, kCorner);
        return true;
    case console::cmd::ViewAlarmResultsButton:  // alarm results: a report and a magnifying glass
        DrawDocument(painter, kMain);
        DrawMagnifier(painter, kCorner);
        return true;
    case console::cmd::SchedulePlanEditorButton:  // schedule plan editor: a calendar
        DrawCalendar(painter, kWhole, kRed);
        return true;
    case console::cmd::LaunchAlarmButton:  // launch an alarm: a ringing bell
        DrawWaves(painter, QRectF(0.5, 3, 5, 14), kRed, 2, true);
        DrawWaves(painter, QRectF(18.5, 3, 5, 14), kRed, 2);
        DrawBell(painter, QRectF(4, 1, 16, 21), kYellow);
        return true;
    case console::cmd::LaunchUtilityButton:  // utility to launch an alarm: an alarm push button
        DrawPushButton(painter, kWhole, kRed);
        return true;
    case console::cmd::AlarmSimulationButton:  // alarm simulation: a grey bell that is played through
        DrawBell(painter, kMain, kLightGrey, kDarkGrey);
        DrawPlayBadge(painter, kCorner, kGreen);
        return true;
    case console::cmd::DialUtilityButton:  // dial utility: a telephone
        DrawDeskPhone(painter, kWhole, kDarkGrey);
        return true;
    case console::cmd::DataBackupButton:  // data backup: a database and an arrow into it
        DrawDatabase(painter, kMain, kBlue);
        DrawArrow(painter, kCorner, kGreen, 90);
        return true;
    case console::cmd::ReleaseCheckButton:  // release check: a document that is checked
        DrawDocument(painter, kMain);
        DrawCheckMark(painter, kCorner, kGreen);
        return true;
    case console::cmd::SystemInformationButton:  // system information: a computer and an information sign
        DrawMonitor(painter, kMain, kLightBlue);
        DrawRoundSign(painter, kCorner, kBlue, 'i');
        return true;
    case console::cmd::LineMonitorButton:  // line monitor: a screen with a signal trace
        lineMonitor(painter);
        return true;
    case console::cmd::About:  // about: a question sign
        DrawRoundSign(painter, kWhole, kBlue, '?');
        return true;
    case console::cmd::ContextHelp:  // context help: a pointer with a question sign
        DrawPointer(painter, QRectF(0, 0, 17, 17));
        DrawRoundSign(painter, kCorner, kBlue, '?');
        return true;
    default:
        return false;
    }
}

}  // namespace kx::ui::icons
