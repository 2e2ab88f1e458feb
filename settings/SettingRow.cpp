#include "settings/SettingRow.h"

namespace kx::settings {

SettingRow& SettingRow::at(std::string iniFile, std::string iniSection, std::string iniKey)
{
    file = std::move(iniFile);
    section = std::move(iniSection);
    if (!iniKey.empty())
        key = std::move(iniKey);
    return *this;
}

SettingRow& SettingRow::label(Text text)
{
    labelText = text;
    return *this;
}

SettingRow& SettingRow::items(std::vector<Option> list)
{
    options = std::move(list);
    return *this;
}

SettingRow& SettingRow::itemsFrom(ItemSource source)
{
    itemSource = std::move(source);
    return *this;
}

SettingRow& SettingRow::when(std::string valueName, std::vector<std::string> valueTokens)
{
    enabledWhen.push_back({std::move(valueName), std::move(valueTokens)});
    return *this;
}

SettingRow& SettingRow::shownWhen(std::string valueName, std::vector<std::string> valueTokens)
{
    visibleWhen.push_back({std::move(valueName), std::move(valueTokens)});
    return *this;
}

SettingRow& SettingRow::clearedIf(std::vector<Condition> conditions, std::string value)
{
    clearedWhen = std::move(conditions);
    clearValue = std::move(value);
    return *this;
}

SettingRow& SettingRow::flags(std::string on, std::string off)
{
    flagOn = std::move(on);
    flagOff = std::move(off);
    exactFlags = true;
    return *this;
}

SettingRow& SettingRow::range(long lowest, long highest, Text message)
{
    limits = ValueRange{lowest, highest, message};
    return *this;
}

SettingRow& SettingRow::spin(long lowest, long highest)
{
    limits = ValueRange{lowest, highest, {}, true};
    return *this;
}

SettingRow& SettingRow::buffer(std::size_t size)
{
    bufferSize = size;
    return *this;
}

SettingRow& SettingRow::notWrittenOnOk()
{
    writtenOnOk = false;
    return *this;
}

SettingRow& SettingRow::unavailable()
{
    available = false;
    return *this;
}

SettingRow& SettingRow::password()
{
    secret = true;
    return *this;
}

SettingRow& SettingRow::opens(std::string dialogName)
{
    opensDialog = std::move(dialogName);
    return *this;
}

SettingRow& SettingRow::unlisted()
{
    listed = false;
    writtenOnOk = false;
    return *this;
}

SettingRow& SettingRow::asNumber()
{
    numeric = true;
    return *this;
}

SettingRow& SettingRow::readBy(std::function<std::string(const SettingRow&)> reader)
{
    read = std::move(reader);
    return *this;
}

SettingRow& SettingRow::shownAs(std::function<std::string(const SettingsModel&)> shower,
                                std::function<Change(SettingsModel&, std::string_view)> assigner)
{
    show = std::move(shower);
    assign = std::move(assigner);
    return *this;
}

const Option* SettingRow::option(std::string_view token) const
{
    for (const Option& o : options)
        if (o.token == token)
            return &o;
    return nullptr;
}

namespace {

SettingRow makeRow(std::string name, Kind kind, std::string file, std::string section, std::string def)
{
    SettingRow row;
    row.key = name;
    row.name = std::move(name);
    row.kind = kind;
    row.file = std::move(file);
    row.section = std::move(section);
    row.defaultValue = std::move(def);
    return row;
}

}  // namespace

SettingRow IntSetting(std::string name, std::string file, std::string section, int def)
{
    SettingRow row = makeRow(std::move(name), Kind::Int, std::move(file), std::move(section), std::to_string(def));
    row.numeric = true;
    return row;
}

SettingRow CheckSetting(std::string name, std::string file, std::string section, bool def)
{
    SettingRow row = makeRow(std::move(name), Kind::Check, std::move(file), std::move(section), def ? "1" : "0");
    row.numeric = true;
    return row;
}

SettingRow TextSetting(std::string name, std::string file, std::string section, std::string def, std::size_t bufferSize)
{
    SettingRow row = makeRow(std::move(name), Kind::Text, std::move(file), std::move(section), std::move(def));
    row.bufferSize = bufferSize;
    return row;
}

SettingRow ListPositionSetting(std::string name, std::string file, std::string section, int def,
                               std::vector<Option> items)
{
    SettingRow row = makeRow(std::move(name), Kind::List, std::move(file), std::move(section), std::to_string(def));
    row.options = std::move(items);
    row.numeric = true;
    return row;
}

SettingRow ListSetting(std::string name, std::string file, std::string section, std::string def,
                       std::vector<Option> items)
{
    SettingRow row = makeRow(std::move(name), Kind::List, std::move(file), std::move(section), std::move(def));
    row.options = std::move(items);
    return row;
}

SettingRow RadioSetting(std::string name, std::string file, std::string section, std::string def,
                        std::vector<Option> buttons)
{
    SettingRow row = makeRow(std::move(name), Kind::Radio, std::move(file), std::move(section), std::move(def));
    row.options = std::move(buttons);
    return row;
}

SettingRow IntField(std::string name, std::string logicalName)
{
    SettingRow row = makeRow(std::move(name), Kind::Int, {}, {}, "0");
    row.key.clear();
    row.field = std::move(logicalName);
    return row;
}

SettingRow CheckField(std::string name, std::string logicalName)
{
    SettingRow row = IntField(std::move(name), std::move(logicalName));
    row.kind = Kind::Check;
    row.exactFlags = true;
    return row;
}

SettingRow TextField(std::string name, std::string logicalName)
{
    SettingRow row = IntField(std::move(name), std::move(logicalName));
    row.kind = Kind::Text;
    row.defaultValue.clear();
    return row;
}

SettingRow KeyField(std::string name, std::string logicalName, ItemSource items)
{
    SettingRow row = IntField(std::move(name), std::move(logicalName));
    row.kind = Kind::List;
    row.itemSource = std::move(items);
    return row;
}

namespace {

SettingRow keylessRow(std::string name, Kind kind, Text label)
{
    SettingRow row = makeRow(std::move(name), kind, {}, {}, {});
    row.key.clear();
    row.labelText = label;
    row.writtenOnOk = false;
    return row;
}

}  // namespace

SettingRow DisplayValue(std::string name, Text label)
{
    return keylessRow(std::move(name), Kind::Display, label);
}

SettingRow ViewValue(std::string name, std::function<std::string(const SettingsModel&)> shower,
                     std::function<Change(SettingsModel&, std::string_view)> assigner)
{
    SettingRow row = keylessRow(std::move(name), Kind::View, {});
    row.show = std::move(shower);
    row.assign = std::move(assigner);
    return row;
}

SettingRow VariantValue(std::string name)
{
    SettingRow row = keylessRow(std::move(name), Kind::View, {});
    row.holdsVariant = true;
    return row;
}

SettingRow ButtonRow(std::string name, Text label)
{
    return keylessRow(std::move(name), Kind::Button, label);
}

std::vector<Option> DigitItems(int first, int last)
{
    std::vector<Option> items;
    for (int d = first; d <= last; ++d)
        items.push_back({std::to_string(d), {}, std::to_string(d)});
    return items;
}

std::vector<Option> PositionItems(std::vector<Text> texts)
{
    std::vector<Option> items;
    for (std::size_t i = 0; i < texts.size(); ++i)
        items.push_back({std::to_string(i), texts[i], {}});
    return items;
}

}  // namespace kx::settings
