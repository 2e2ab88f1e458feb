#include "settings/PersonnelSettings.h"

#include "console/CommandIds.h"
#include "core/CDatabase.h"
#include "platform/MessageBoxes.h"
#include "platform/Profile.h"
#include "settings/PostQueues.h"
#include "settings/ProgramStart.h"
#include "settings/SettingsRegistry.h"

namespace kx::settings {

const std::array<const char*, 37> kPhoneTypes = {"INT", "EXT", "GSM", "DCT", "SMS", "PAG", "PNR", "FAX", "-@-", "ALR",
                                                 "CCX", "SCH", "PRG", "CPY", "CPS", "BCT", "BCA", "BCD", "TTR", "DA4",
                                                 "MSI", "VIP", "DMS", "POP", "OXO", "MMS", "A9D", "ER1", "ER2", "PSA",
                                                 "XML", "OCP", "TRP", "ANS", "EPA", "SNP", "WAP"};

namespace {

const Registration<PersonnelSettings> kRegistration(console::cmd::PersonnelEditorSettings);

// clang-format off
constexpr std::array<Text, 37> kInfo = {
    KX_TEXT("PersonnelSettings", "Phonetype INT:\nInternal call with no prefix"),
    KX_TEXT("PersonnelSettings", "Phonetype EXT:\nExternal call with prefix"),
    KX_TEXT("PersonnelSettings", "Phonetype GSM:\nExternal call for mobiles with prefix"),
    KX_TEXT("PersonnelSettings", "Phonetype DCT:\nInternal call for DECT with no prefix"),
    KX_TEXT("PersonnelSettings", "Phonetype SMS:\nSends alarmmessage as SMS to the defined mobile-number. (Additional modem required)"),
    KX_TEXT("PersonnelSettings", "Phonetype PAG:\nSends alarmmessage to the defined alphanumeric pager. (Additional modem required)"),
    KX_TEXT("PersonnelSettings", "Phonetype PNR:\nSends callback-number to the defined numeric pager over the phone lines. (No modem required)"),
    KX_TEXT("PersonnelSettings", "Phonetype FAX:\nSends a fax to the defined faxnumber. (Requires fax resources)"),
    KX_TEXT("PersonnelSettings", "Phonetype -@-:\nSends alarmmessage as e-mail to the address defined in the phoneumber field. (Tellmark needs to be connected to the network with access to the mailserver)"),
    KX_TEXT("PersonnelSettings", "Phonetype ALR:\nStarts additional alarm with the alarmnumber defined in the phonenumer field"),
    KX_TEXT("PersonnelSettings", "Phonetype CCX:\nCloses a contact on the contact controller\nIn the phonenumber filed the boxnumber, contact and durration have to be defined.\nExample: B1C1T5 for box 1, contact 1 to set contact for 5 seconds or\nB1C1S for box 1, contact 1 to set contact on or\nB1C1R for box 1, contact 1 to reset contact."),
    KX_TEXT("PersonnelSettings", "Phonetype SCH:\nChecks the schedule- / weekplan defined under the phonenumber and uses the phonenumber returned from the plan. If no extension is specified, the scheduleplan is cheched first and then the weekplan. The new phonenumber to use, must be defined in the action from the plan."),
    KX_TEXT("PersonnelSettings", "Phonetype PRG:\nStarts the kxe-module, bat or exe program which is defined in the phonenumber field."),
    KX_TEXT("PersonnelSettings", "Phonetype CPY:\nCopies the alarmmessage to the defined mailbox. ( Voice Mail required )"),
    KX_TEXT("PersonnelSettings", "Phonetype CPS:\nCopies a scheduleplan"),
    KX_TEXT("PersonnelSettings", "Phonetype BCT:\nBroadcast to client console by network on defined port. ( Special client program is requierd )"),
    KX_TEXT("PersonnelSettings", "Phonetype BCA:\nBroadcast to internal phones with automatic activation of the phone-loudspeaker."),
    KX_TEXT("PersonnelSettings", "Phonetype BCD:\nSends alarmmessage to phones and DECT's. (Requires kxabcd.exe or kxatas.exe program and a Asotel PABX )"),
    KX_TEXT("PersonnelSettings", "Phonetype TTR:\nSends alarmmessage to a TETRA mobilephone."),
    KX_TEXT("PersonnelSettings", "Phonetype DA4:\nSends alarmmessage by DA4 to DECT"),
    KX_TEXT("PersonnelSettings", "Phonetype MSI:\nCall to a MSI local phone. (MSI board required)"),
    KX_TEXT("PersonnelSettings", "Phonetype VIP:\nCalls number over a voice over IP connection. ( Voip board required)"),
    KX_TEXT("PersonnelSettings", "Phonetype DMS:\nSends alarmmessage to a Philips DECT. The message is sent over a socket-connection to the DMS API."),
    KX_TEXT("PersonnelSettings", "Phonetype POP:\nStarts Popup on client computer if the client is registered. The registered phonenumber or the ip-address of the client computer must be specified in the phonenumber field of the person. (Requires Quillon Popup server and client)"),
    KX_TEXT("PersonnelSettings", "Phonetype OXO:\nSets message in Omni Office over the network and gets the ownnumber to use for this alarm, to show message on display."),
    KX_TEXT("PersonnelSettings", "Phonetype MMS:\nSends MMS to mobile phone."),
    KX_TEXT("PersonnelSettings", "Phonetype A9D:\nSends alarmmessage by Ascom 9D to DECT. The program Kxaespa.exe needs to be running to send messages."),
    KX_TEXT("PersonnelSettings", "Phonetype ER1:\nSends Alarmmessage to Ericsson DECT. This type only sends the first 12 chars of the message to the DECT. ( For example DECT DT570 )"),
    KX_TEXT("PersonnelSettings", "Phonetype ER2:\nSends Alarmmessage to Ericsson DECT. This type sends the first 24 chars of the message to the DECT. ( For example DECT DT420 )"),
    KX_TEXT("PersonnelSettings", "Phonetype PSA:\nSend alarm-message to PSA."),
    KX_TEXT("PersonnelSettings", "Phonetype XML:\nSend alarm-message to ip phone defined under phonenumber by XML."),
    KX_TEXT("PersonnelSettings", "Phonetype OCP:\n Send alarm-message as page to internal phones for opencom PABX. The module kxgdx.dll needs to be running."),
    KX_TEXT("PersonnelSettings", "Phonetype TRP:\nSends alarm-message as SNMP Trap to  IP-Address defined in the phonenumber field. For this phonetype the program kxsendtrap.cmd needs to running."),
    KX_TEXT("PersonnelSettings", "Alcatel notification server\nSend alarmmessage over CSTA to phone."),
    KX_TEXT("PersonnelSettings", "Send alarmmessage to pager by kxaespa program. The program kxaespa.exe needs to be running and connected by ESPA 4.4.4 interface to a paging system."),
    KX_TEXT("PersonnelSettings", "Phonetype SNP:\nSends message to DECT over Merdian message server by SNPP protocol."),
    KX_TEXT("PersonnelSettings", "Send wap alarm link to mobile phone."),
};
// clang-format on

constexpr Text kActive = KX_TEXT("PersonnelSettings", "Activate assignment of a queue for phonestypes.");
constexpr Text kQueueInt = KX_TEXT("PersonnelSettings", "For internal ( INT) calls use ");
constexpr Text kQueueExt = KX_TEXT("PersonnelSettings", "For external ( EXT) calls use ");
constexpr Text kQueueGsm = KX_TEXT("PersonnelSettings", "For external calls to mobiles ( GSM ) use ");
constexpr Text kQueueDct = KX_TEXT("PersonnelSettings", "For internal calls to DECT's ( DCT ) use ");
constexpr Text kGroupsInGroups =
    KX_TEXT("PersonnelSettings", "Activate groups in group function so that existing groups can be included in groups");
constexpr Text kMaxGroup = KX_TEXT("PersonnelSettings", "Maximum number of groups:");
constexpr Text kMaxPers = KX_TEXT("PersonnelSettings", "Maximum number of persons:");
constexpr Text kPhones = KX_TEXT("PersonnelSettings", "Number of available phonenumbers for a person:");
constexpr Text kCheckJobResult =
    KX_TEXT("PersonnelSettings", "Activate function for more then one jobentry ( BCD, A9D, ERI, ...) per person");
constexpr Text kConfiguration = KX_TEXT("PersonnelSettings", "Configuration");
constexpr Text kSpecialType = KX_TEXT("PersonnelSettings", "Special type");
constexpr Text kPhonesOutOfRange =
    KX_TEXT("PersonnelSettings", "The number of phonenumbers for a person '%1' should be between 1 and 4 !");

constexpr const char* kPersIni = "kxpers.ini";
constexpr const char* kQueueSection = "PostQueueTypes";
constexpr std::array<const char*, 4> kQueueKeys = {"PostQueueForINT", "PostQueueForEXT", "PostQueueForGSM",
                                                   "PostQueueForDCT"};

std::vector<SettingRow> personnelRows()
{
    std::vector<SettingRow> rows;
    for (std::size_t i = 0; i < kPhoneTypes.size(); ++i)
        rows.push_back(CheckSetting(kPhoneTypes[i], kPersIni, "Types", false).label(kInfo[i]));
    rows.push_back(CheckSetting("Active", kPersIni, kQueueSection, false).label(kActive));
    const Text queueLabels[] = {kQueueInt, kQueueExt, kQueueGsm, kQueueDct};
    for (std::size_t i = 0; i < kQueueKeys.size(); ++i)
        rows.push_back(ListPositionSetting(kQueueKeys[i], kPersIni, kQueueSection, 0, {})
                           .itemsFrom(PostQueueSource())
                           .label(queueLabels[i])
                           .when("Active"));
    rows.push_back(CheckSetting("IncludeGrpInGrp", kPersIni, "KXPers", false).label(kGroupsInGroups));
    rows.push_back(IntSetting("MaxGroup", kPersIni, "DBInfo", 89).label(kMaxGroup));
    rows.push_back(IntSetting("MaxPers", kPersIni, "DBInfo", 500).label(kMaxPers));
    rows.push_back(
        IntSetting("NumberOfPhonesPerPerson", "kxalarm.ini", "parallel", 1).label(kPhones).items(DigitItems(1, 4)));
    rows.push_back(CheckSetting("CheckJobResult", "kxalarm.ini", "kxacheckjobs", false).label(kCheckJobResult));
    rows.push_back(ViewValue("GroupDigits", {}, {}));
    rows.push_back(ButtonRow("configuration", kConfiguration));
    rows.push_back(ButtonRow("specialTypes", kSpecialType).opens("special-types").when("Active"));
    return rows;
}

// 3 when the group table holds three-digit group numbers and the site
// allows them, 2 otherwise; 0 when the table does not open (the dialog then
// leaves the edit as it is).
int groupDigits()
{
    const std::string path = ProfileString("kxaconf.ini", "Config", "GroupDataBase", "\\db1\\kxgroups.dbf", 80);
    const bool threeDigits = ProfileNumber(kPersIni, "DBInfo", "3DigitGroupNumbers", 0) == 1;
    CDatabase table;
    table.SetQuiet(true);
    if (!table.Open(path.c_str()))
        return 0;
    ScopedClose closer(table);
    const bool wide = table.IsField("IDXG") && table.IsField("NUMBER") && table.FieldLength("IDXG") == 3 &&
                      table.FieldLength("NUMBER") == 3;
    return wide && threeDigits ? 3 : 2;
}

}  // namespace

PersonnelSettings::PersonnelSettings() : SettingsModel(kName, kTitle, personnelRows()) {}

Text PersonnelSettings::info(std::string_view code)
{
    for (std::size_t i = 0; i < kPhoneTypes.size(); ++i)
        if (code == kPhoneTypes[i])
            return kInfo[i];
    return {};
}

void PersonnelSettings::fill()
{
    const int digits = groupDigits();
    set("GroupDigits", digits == 0 ? std::string() : std::to_string(digits));
    m_loadedPhones = value("NumberOfPhonesPerPerson");
}

bool PersonnelSettings::check()
{
    // A number typed here must be one the personnel editor knows; a stored
    // one outside 1 to 4 is the site's own and goes back unchanged.
    const std::string& phones = value("NumberOfPhonesPerPerson");
    const long count = number("NumberOfPhonesPerPerson");
    if (phones != m_loadedPhones && (count < 1 || count > 4)) {
        ErrorBox(kPhonesOutOfRange, phones);
        return false;
    }
    // Every question before anything is written; a queue table that is
    // there but does not open stops OK.
    PostQueueCheck queues;
    for (const char* key : kQueueKeys)
        if (!queues.ask(number(key)))
            return false;
    queues.createAgreed();
    for (std::size_t i = 0; i < kQueueKeys.size(); ++i) {
        const long queue = number(kQueueKeys[i]);
        // A stored number that is no queue is not the operator's choice: it stays.
        if (queue < 0 || queue > kPostQueueCount)
            m_queueWrites[i] = value(kQueueKeys[i]);
        else
            m_queueWrites[i] = queues.allowed(queue) ? std::to_string(queue) : "0";
    }
    return true;
}

void PersonnelSettings::collectWrites(IniWrites& writes) const
{
    for (const char* code : kPhoneTypes)
        addWrite(writes, code);
    for (const char* name : {"MaxGroup", "MaxPers", "Active", "IncludeGrpInGrp"})
        addWrite(writes, name);
    for (std::size_t i = 0; i < kQueueKeys.size(); ++i)
        addWrite(writes, kQueueKeys[i], m_queueWrites[i]);
    addWrite(writes, "NumberOfPhonesPerPerson");
    writes.push_back(
        {"kxalarm.ini", "parallel", "DialMoreNbrsOnKo", number("NumberOfPhonesPerPerson") < 2 ? "0" : "1"});
    addWrite(writes, "CheckJobResult");
}

void PersonnelSettings::pressed(std::string_view button)
{
    // "specialTypes" opens a dialog of its own; the window does that.
    if (button != "configuration")
        return;
    if (!StartReported(CommandLine("kxtpost.exe config")))
        pressFailed();
}

}  // namespace kx::settings
