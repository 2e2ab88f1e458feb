#include "core/CDatabase.h"

#include "platform/MessageBoxes.h"
#include "platform/SitePaths.h"

#include <cstdio>
#include <cstring>
#include <new>
#include <unistd.h>

using kx::dbf::Table;

namespace {

thread_local std::string t_lastError;

// Trailing blanks (the blank character only) do not belong to the value.
std::size_t trimmedLength(const char* text, std::size_t length)
{
    while (length > 0 && text[length - 1] == ' ')
        --length;
    return length;
}

}  // namespace

CDatabase::CDatabase() = default;

CDatabase::~CDatabase() = default;

std::string CDatabase::LastError()
{
    return t_lastError;
}

int CDatabase::Open(const char* path)
{
    if (m_table)
        Close();
    if (!path || !*path) {
        t_lastError = "no table path given";
        return 0;
    }
    std::string error;
    std::unique_ptr<Table> table = Table::open(kx::SitePaths::translate(path), &error);
    if (!table) {
        t_lastError = error;
        return 0;
    }
    m_table = table.release();
    if (!GetFieldsAddrs()) {
        t_lastError = "out of memory for the field table";
        Close();
        return 0;
    }
    m_currentTag = nullptr;  // no index tags: record order is the physical order
    m_flush = 1;
    m_table->setWriteThrough(true);
    return 1;
}

int CDatabase::Create(const char* path, const std::vector<FIELD4INFO>& fields)
{
    if (m_table)
        Close();
    const std::string native = kx::SitePaths::translate(path ? path : "");
    std::string error;
    std::unique_ptr<Table> table;
    if (!native.empty()) {
        ::unlink(native.c_str());
        table = Table::create(native, fields, 0x57, &error);
    }
    if (!table) {
        t_lastError = native.empty() ? "no table path given" : error;
        report("CDatabase::Create");
        return 0;
    }
    table.reset();
    return Open(path);
}

int CDatabase::Close()
{
    if (m_fields) {
        for (unsigned i = 0; i < m_fieldCount; ++i)
            delete[] m_fields[i].buffer;
        delete[] m_fields;
        m_fields = nullptr;
    }
    m_fieldCount = 0;
    delete m_table;  // writes what is pending and releases the locks
    m_table = nullptr;
    m_currentTag = nullptr;
    m_recordHeld = false;
    return 1;
}

int CDatabase::GetFieldsAddrs()
{
    if (m_fields)
        return 0;
    const unsigned count = m_table->fieldCount();
    m_fields = new (std::nothrow) FieldEntry[count];
    if (!m_fields)
        return 0;
    m_fieldCount = count;
    for (unsigned i = 0; i < count; ++i) {
        FieldEntry& entry = m_fields[i];
        entry.handle = static_cast<int>(i + 1);
        entry.length = m_table->fieldLength(entry.handle);
        entry.buffer = new (std::nothrow) char[entry.length + 1];
        if (!entry.buffer)
            return 0;
        entry.buffer[0] = '\0';
    }
    return 1;
}

CDatabase::FieldEntry* CDatabase::entryOf(const char* field)
{
    if (!m_table || !field)
        return nullptr;
    const int number = m_table->fieldNumber(field);
    if (number < 1 || static_cast<unsigned>(number) > m_fieldCount)
        return nullptr;
    return &m_fields[number - 1];
}

bool CDatabase::hasCurrentRecord()
{
    return m_table && m_table->recordNumber() != 0;
}

void CDatabase::report(const char* operation)
{
    if (!m_quiet)
        kx::FixedErrorBox(operation);
}

void CDatabase::flushAfterWrite(const char* operation)
{
    if (m_flush && !m_table->flush())
        report(operation);
    if (!m_recordHeld)
        m_table->unlock();
}

void CDatabase::Top()
{
    if (!m_table)
        return;
    // An empty table has no first record; that is not an error.
    if (!m_table->top() && m_table->recordCount() > 0)
        report("CDatabase::Top");
}

void CDatabase::Bottom()
{
    if (!m_table)
        return;
    if (!m_table->bottom() && m_table->recordCount() > 0)
        report("CDatabase::Bottom");
}

void CDatabase::Go(unsigned long record)
{
    if (!m_table)
        return;
    // A record that does not exist leaves no current record, so that no
    // later write lands in the record that happened to be current before.
    if (record > 0xFFFFFFFFul || !m_table->go(static_cast<std::uint32_t>(record))) {
        t_lastError =
            record > 0xFFFFFFFFul ? "record " + std::to_string(record) + " does not exist" : m_table->lastError();
        report("CDatabase::Go");
    }
}

long CDatabase::Skip(long count)
{
    return m_table ? static_cast<long>(m_table->skip(count)) : 0;
}

long CDatabase::RecNo()
{
    return m_table ? static_cast<long>(m_table->recordNumber()) : 0;
}

unsigned long CDatabase::RecCount()
{
    return m_table ? m_table->recordCount() : 0;
}

void CDatabase::Lock()
{
    if (m_table)
        m_table->lock();
}

void CDatabase::Unlock()
{
    m_recordHeld = false;
    if (m_table)
        m_table->unlock();
}

int CDatabase::LockRecord(unsigned long record)
{
    if (!m_table)
        return 0;
    if (record > 0xFFFFFFFFul || !m_table->lockRecord(static_cast<std::uint32_t>(record))) {
        t_lastError =
            record > 0xFFFFFFFFul ? "record " + std::to_string(record) + " does not exist" : m_table->lastError();
        return 0;
    }
    m_recordHeld = true;
    return 1;
}

void CDatabase::SetFlush(int flag)
{
    m_flush = flag;
    if (m_table)
        m_table->setWriteThrough(flag != 0);
}

int CDatabase::Discard()
{
    return m_table && m_table->discard() ? 1 : 0;
}

void CDatabase::Flush()
{
    if (!m_table)
        return;
    if (!m_table->flush()) {
        t_lastError = m_table->lastError();
        report("CDatabase::Flush");
    }
    m_recordHeld = false;
    m_table->unlock();
}

int CDatabase::IsField(const char* name)
{
    return entryOf(name) ? 1 : 0;
}

long CDatabase::Find(const char* field, const char* value)
{
    FieldEntry* entry = entryOf(field);
    if (!entry || !value || !hasCurrentRecord())
        return 0;
    std::vector<char> work(entry->length + 1);
    for (;;) {
        if (Read(field, work.data()) && std::strcmp(work.data(), value) == 0)
            return RecNo();
        const long before = RecNo();
        if (Skip(1) == before)
            return 0;
    }
}

long CDatabase::Find(const char* field, int value)
{
    if (!entryOf(field) || !hasCurrentRecord())
        return 0;
    for (;;) {
        int current = 0;
        if (Read(field, current) && current == value)
            return RecNo();
        const long before = RecNo();
        if (Skip(1) == before)
            return 0;
    }
}

int CDatabase::Read(const char* field, int& value)
{
    FieldEntry* entry = entryOf(field);
    if (!entry || !hasCurrentRecord())
        return 0;
    value = static_cast<int>(m_table->fieldInt(entry->handle));
    return 1;
}

int CDatabase::Read(const char* field, char* buffer)
{
    FieldEntry* entry = entryOf(field);
    if (!entry || !buffer)
        return 0;
    return Read(field, buffer, entry->length + 1);
}

int CDatabase::Read(const char* field, char* buffer, std::size_t size)
{
    FieldEntry* entry = entryOf(field);
    if (!entry || !buffer || size == 0 || !hasCurrentRecord())
        return 0;
    if (!m_table->fieldText(entry->handle, entry->buffer, entry->length + 1))
        return 0;
    std::size_t length = trimmedLength(entry->buffer, std::strlen(entry->buffer));
    if (length > size - 1)
        length = size - 1;
    std::memcpy(buffer, entry->buffer, length);
    buffer[length] = '\0';
    return 1;
}

int CDatabase::Read(const char* field, std::string& value)
{
    FieldEntry* entry = entryOf(field);
    if (!entry || !hasCurrentRecord())
        return 0;
    const std::string_view bytes = m_table->fieldBytes(entry->handle);
    if (bytes.size() != entry->length)
        return 0;
    value.assign(bytes.data(), trimmedLength(bytes.data(), bytes.size()));
    return 1;
}

int CDatabase::Replace(const char* field, const char* value)
{
    FieldEntry* entry = entryOf(field);
    if (!entry || !value || !hasCurrentRecord())
        return 0;
    return finishReplace(m_table->assignText(entry->handle, value));
}

int CDatabase::Replace(const char* field, int value)
{
    FieldEntry* entry = entryOf(field);
    if (!entry || !hasCurrentRecord())
        return 0;
    return finishReplace(m_table->assignDouble(entry->handle, static_cast<double>(value)));
}

int CDatabase::finishReplace(bool assigned)
{
    // A refused or failed write is reported and returned: the caller must
    // not take a value that never reached the file as written.
    if (!assigned) {
        t_lastError = m_table->lastError();
        report("CDatabase::Replace");
        m_table->unlock();
        return 0;
    }
    flushAfterWrite("CDatabase::Replace");
    return 1;
}

int CDatabase::Append()
{
    if (!m_table)
        return 0;
    const bool ok = m_table->appendBlank();
    if (!ok)
        t_lastError = m_table->lastError();
    m_table->unlock();
    return ok ? 1 : 0;
}

void CDatabase::Blank()
{
    recordOperation(&kx::dbf::Table::blank, "CDatabase::Blank");
}

void CDatabase::Delete()
{
    recordOperation(&kx::dbf::Table::markDeleted, "CDatabase::Delete");
}

void CDatabase::Recall()
{
    recordOperation(&kx::dbf::Table::recall, "CDatabase::Recall");
}

void CDatabase::recordOperation(bool (kx::dbf::Table::*operation)(), const char* name)
{
    if (!hasCurrentRecord())
        return;
    if (!(m_table->*operation)()) {
        t_lastError = m_table->lastError();
        report(name);
    }
    flushAfterWrite(name);
}

void CDatabase::Pack()
{
    if (!m_table)
        return;
    if (!m_table->pack())
        t_lastError = m_table->lastError();
    m_table->unlock();
}

void CDatabase::CopyRecord(unsigned long source, unsigned long target)
{
    if (!m_table)
        return;
    Go(source);
    if (!hasCurrentRecord())
        return;
    for (unsigned i = 0; i < m_fieldCount; ++i) {
        FieldEntry& entry = m_fields[i];
        const std::string_view bytes = m_table->fieldBytes(entry.handle);
        const std::size_t n = bytes.size() < entry.length ? bytes.size() : entry.length;
        std::memcpy(entry.buffer, bytes.data(), n);
        entry.buffer[n] = '\0';
    }
    Go(target);
    if (!hasCurrentRecord())
        return;
    // The record's fields are gathered and written together.
    m_table->setWriteThrough(false);
    bool ok = true;
    for (unsigned i = 0; i < m_fieldCount; ++i)
        ok = m_table->assignText(m_fields[i].handle, m_fields[i].buffer) && ok;
    m_table->setWriteThrough(m_flush != 0);
    if (!ok || (m_flush && !m_table->flush()))
        report("CDatabase::CopyRecord");
    m_table->unlock();
}

const char* CDatabase::Fieldname(unsigned number)
{
    static thread_local std::string name;
    name = m_table ? m_table->fieldName(static_cast<int>(number)) : std::string();
    return name.c_str();
}

unsigned CDatabase::FieldLength(const char* name)
{
    FieldEntry* entry = entryOf(name);
    return entry ? entry->length : 0;
}
