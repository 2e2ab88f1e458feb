#include "importexport/AlarmExport.h"

namespace kx::importexport {

const char* const kExportHeader =
    "alarmkey; alarmname; group; alarmtype; confirmation; pag_sms_msg; disp_msg1; disp_msg2; schedule; rings; "
    "priority; password; escalkey_level;escalkey_contact; escal_level; escal_level_delay; escal_contact_delay; "
    "faxreport; email; wait_callback; check_status; 2nd_alarm; alarm_on_success; alarm_on_reset; "
    "alarm_escal_maxloops; check_event; event_time_before; event_time_after; update_event; check_contact_add_offset; "
    "slave_server; master_server; max_escal_level_loops; max_escal_contact_loops; alarm_icon; pers_needed; "
    "set_status; check_status; pag_sms_callback; check_pers_login; pers_supervision; print_report; mail_report; "
    "fax_report; escal_on_max_loops; report_callback; secure_name; start_popup; escal_only_noansw; contact_on; "
    "contact_off; disp_msg3";

}  // namespace kx::importexport
