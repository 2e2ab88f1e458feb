#pragma once
// Image indices of the three lists' image lists.

#include <string_view>

namespace kx::console {

// Alarm images (24 x 13): 0..11 the alarm types, 12..21 the alternate images
// of types 1..10, and these fixed ones.
namespace alarm_image {
constexpr int kTypeCount = 12;
constexpr int kAlternateBase = 11;     // alternate image of type t (1..10) is 11 + t
constexpr int kServerThisFirst = 20;   // this computer is the alarm's first server
constexpr int kServerThisSecond = 21;  // ... its second server
constexpr int kServerOther = 22;
constexpr int kPlan = 23;
constexpr int kWarning = 27;
constexpr int kSecondPlan = 28;
constexpr int kEmptyGroup = 29;
constexpr int kDeactivated = 30;
constexpr int kCount = 31;
}  // namespace alarm_image

// Member images (13 x 13): 0 unknown phone type, 1..20 the phone types, 21 logged out.
namespace member_image {
constexpr int kUnknown = 0;
constexpr int kLoggedOut = 21;
constexpr int kCount = 22;
}  // namespace member_image

// Alarm-in images (13 x 13).
namespace alarm_in_image {
constexpr int kNoPlan = 0;
constexpr int kPlanInUse = 1;
constexpr int kCount = 2;
}  // namespace alarm_in_image

// The member image of a phone type code (exact, case-sensitive); 0 when unknown.
int MemberImageForPhoneType(std::string_view code);

}  // namespace kx::console
