#pragma once
// The console's images, painted at run time with QPainter: the image lists
// of the alarm, member and alarm-in lists and the toolbar buttons. Every
// image is drawn by our own code on a transparent background and cached on
// first use. The program icon alone is an SVG image compiled into the
// program, the same file the desktop menu shows.
//
// Call these on the user-interface thread, after the QApplication exists
// (pixmaps need the GUI). An index or command outside the set gives an empty
// pixmap or a null icon, never a crash.

#include "console/CommandIds.h"

#include <QIcon>
#include <QPixmap>
#include <QSize>

#include <array>

namespace kx::ui {

// Image list of the alarm list: 24 × 13.
inline constexpr int kAlarmImageCount = 31;
inline constexpr QSize kAlarmImageSize{24, 13};
// Indices with a fixed role besides the twelve alarm types 0 to 11.
enum AlarmImageIndex : int {
    kAlarmImageAlternateBase = 11,  // 11 + type: alternate icon of types 1 to 10
    kAlarmImageFirstServer = 20,    // this computer is the alarm's first server
    kAlarmImageSecondServer = 21,   // this computer is the alarm's second server
    kAlarmImageOtherServer = 22,    // another server handles the alarm
    kAlarmImagePlan = 23,           // a schedule plan is set
    kAlarmImageWarning = 27,        // the alarm's group does not exist
    kAlarmImageSecondPlan = 28,     // a second plan is set
    kAlarmImageEmptyGroup = 29,     // the alarm calls the pseudo group "Empty group"
    kAlarmImageDeactivated = 30,    // the alarm is deactivated
};

// Image list of the member list: 13 × 13. 0 unknown phone type, 1 to 20 the
// phone types, 21 the person is logged out.
inline constexpr int kMemberImageCount = 22;
inline constexpr QSize kMemberImageSize{13, 13};
inline constexpr int kMemberImageUnknown = 0;
inline constexpr int kMemberImageLoggedOut = 21;

// Image list of the alarm-in list: 13 × 13. 0 no plan, 1 schedule plan in use.
inline constexpr int kAlarmInImageCount = 2;
inline constexpr QSize kAlarmInImageSize{13, 13};

// The commands of the toolbar buttons, in toolbar order (the separators
// are the toolbar's business).
inline constexpr std::array<int, 14> kToolbarIconCommands{console::cmd::AlarmConfiguratorButton,
                                                          console::cmd::PersonsEditorButton,
                                                          console::cmd::ViewAlarmResultsButton,
                                                          console::cmd::SchedulePlanEditorButton,
                                                          console::cmd::LaunchAlarmButton,
                                                          console::cmd::LaunchUtilityButton,
                                                          console::cmd::AlarmSimulationButton,
                                                          console::cmd::DialUtilityButton,
                                                          console::cmd::DataBackupButton,
                                                          console::cmd::ReleaseCheckButton,
                                                          console::cmd::SystemInformationButton,
                                                          console::cmd::LineMonitorButton,
                                                          console::cmd::About,
                                                          console::cmd::ContextHelp};
// The toolbar's design size; its icons also hold 16, 32 and 48 pixel images.
inline constexpr int kToolbarIconSize = 24;

// The images of the three lists, at their list size in device-independent
// pixels, drawn for the screen's pixel ratio at first use. Empty outside
// 0 to count - 1.
const QPixmap& AlarmImage(int index);
const QPixmap& MemberImage(int index);
const QPixmap& AlarmInImage(int index);

// The icon of a toolbar command (16, 24, 32 and 48 pixels); a null icon for
// a command without a toolbar button.
QIcon ToolbarIcon(int commandId);

// The program's icon for the window and the about box (16, 32, 48, 64 pixels).
QIcon ProgramIcon();

// One image painted anew, magnified by a scale factor (vector drawing, not
// pixel zoom), without the cache: for previews and tests. A null image for
// an index or command outside the set; the program image at size × size.
QImage RenderAlarmImage(int index, qreal scale = 1.0);
QImage RenderMemberImage(int index, qreal scale = 1.0);
QImage RenderAlarmInImage(int index, qreal scale = 1.0);
QImage RenderToolbarImage(int commandId, int size = kToolbarIconSize);
QImage RenderProgramImage(int size);

}  // namespace kx::ui
