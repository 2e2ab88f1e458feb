// kxalarmctl record-message: "Record / play the alarm message" without a
// window, on the dialog's model.

#include "alarmconfig/MessageRecording.h"
#include "app/ctl/CtlCommand.h"
#include "console/ConsoleSession.h"
#include "platform/TextEncoding.h"

#include <cstdio>

namespace kx::ctl {

namespace {

using alarmconfig::MessageRecording;

constexpr const char* kHelp =
    "Records the message of the alarm or alarm-in KEY by phone, as \"Record alarm messages\" and\n"
    "\"Record alarm-in message\" do: the job queue (kxtque) calls NUMBER (default: the last dialled\n"
    "number, Nbr0 of kxrecalr.ini) and runs the recording module for KEY. NUMBER may hold digits,\n"
    "* and # and a leading +; it becomes the newest of the last ten numbers, and a number longer\n"
    "than AddPrefixIfNbrLongerDigits gets ExtDialPrefix in front. Prints the number dialled.\n"
    "Exit 0 when the job was posted, 1 when the number was refused, the module is missing or the\n"
    "job queue did not start, or KEY is in neither list.\n"
    "  --show   prints the dialog as it opens instead, name<TAB>value: Frame, Nbr0 to Nbr9, Note";

// KEY's row in the alarm list, else in the alarm-in list: its kind and name.
bool findKey(const console::ConsoleSession& session, long key, MessageRecording::Kind& kind, std::string& name)
{
    for (const auto& [rows, rowKind] : {std::pair(session.alarmRows(), MessageRecording::Kind::Alarm),
                                        std::pair(session.alarmInRows(), MessageRecording::Kind::AlarmIn)}) {
        for (const console::ListRow& row : rows.value_or(std::vector<console::ListRow>())) {
            if (row.key == key) {
                kind = rowKind;
                name = row.text[1];
                return true;
            }
        }
    }
    return false;
}

void printValue(const char* name, const std::string& utf8)
{
    std::printf("%s\t%s\n", name, EscapeControls(utf8).c_str());
}

int run(const Arguments& args)
{
    const Command& self = *FindCommand("record-message");
    if (args.empty() || args.size() > 2)
        return UsageError(self, "expects KEY and NUMBER or --show");
    long key = 0;
    if (const int code = ParseKey(args[0], key); code != kExitOk)
        return code;
    MessageRecording::Kind kind = MessageRecording::Kind::Alarm;
    std::string name;
    console::ConsoleSession session;
    if (!session.start())
        return Fail("the mailbox table could not be opened");
    if (!findKey(session, key, kind, name))
        return Fail("key " + std::to_string(key) + " is neither in the alarm list nor in the alarm-in list");

    MessageRecording recording(kind, key, name);
    recording.load();
    if (args.size() == 2 && args[1] == "--show") {
        printValue("Frame", recording.frameText());
        for (std::size_t i = 0; i < recording.history().size(); ++i)
            printValue(("Nbr" + std::to_string(i)).c_str(), Cp1252ToUtf8(recording.history()[i]));
        printValue("Note", recording.note());
        return kExitOk;
    }
    std::string number = recording.history().front();
    if (args.size() == 2 && !ToCp1252(args[1], number))
        return kExitFailed;
    if (recording.dial(number) != MessageRecording::Outcome::Posted)
        return kExitFailed;  // the message is on standard error
    std::printf("%s\n", Cp1252ToUtf8(recording.dialledNumber()).c_str());
    return kExitOk;
}

const CommandRegistration registration(56, {"record-message", "record-message KEY [NUMBER | --show]", kHelp, run});

}  // namespace

}  // namespace kx::ctl
