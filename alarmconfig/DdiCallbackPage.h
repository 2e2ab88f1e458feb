#pragma once
// Function 21, "DDI callback": its settings are those of the DDI callback
// settings dialog, opened by the page's only button.

#include "alarmconfig/AlarmInPage.h"

namespace kx::alarmconfig {

class DdiCallbackPage final : public AlarmInPage {
public:
    DdiCallbackPage();
};

}  // namespace kx::alarmconfig
