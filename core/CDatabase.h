#pragma once
// CDatabase: the one table class of the console and of the platform programs
// that link against it. A thin, record-at-a-time layer over our dBASE engine
// that adds field access by name with text or integer values, trailing-blank
// trimming on read, write-through and unlock after every change, a
// sequential find, record copying and a fixed error report for failed engine
// calls ("CDatabase::Go" and the like, caption "Error").
//
// Paths are stored Windows paths ("\db1\vm001.dbf"), translated to the site.
// An object is used by one thread at a time. Copies are shallow: both objects
// then refer to the same open table and the same field table, and exactly
// one of them closes it. The destructor releases nothing, so every user
// closes the table before the object goes away (ScopedClose helps).

#include "tableengine/DbfTable.h"

#include <string>
#include <vector>

// The engine's field-descriptor list entry: name, type, length, decimals.
using FIELD4INFO = kx::dbf::FieldInfo;

class CDatabase {
public:
    CDatabase();
    ~CDatabase();
    CDatabase(const CDatabase&) = default;
    CDatabase& operator=(const CDatabase&) = default;

    // Results: 1 done, 0 not done, unless said otherwise.
    virtual int Open(const char* path);
    virtual int Create(const char* path, const std::vector<FIELD4INFO>& fields);
    virtual int Close();
    virtual void Top();
    virtual void Bottom();
    virtual void Go(unsigned long record);
    virtual long Skip(long count);
    virtual long RecNo();
    virtual unsigned long RecCount();
    virtual void Lock();
    virtual void Unlock();
    // Takes the lock of one record and keeps it across reads and writes
    // until Flush() or Unlock(): a status read under it stays true while
    // the record is written. 0 when the lock was not had in time
    // (LastError() says why).
    int LockRecord(unsigned long record);
    // Quiet: failures give their results and LastError() but no error box
    // (a writer thread must not wait for the operator).
    void SetQuiet(bool quiet) { m_quiet = quiet; }
    virtual void SetFlush(int flag);
    virtual void Flush();
    virtual int IsField(const char* name);
    // Searches forwards from the current record; the record number or 0.
    virtual long Find(const char* field, int value);
    virtual long Find(const char* field, const char* value);
    virtual int Read(const char* field, int& value);
    // `buffer` holds at least FieldLength(field) + 1 bytes.
    virtual int Read(const char* field, char* buffer);
    virtual int Replace(const char* field, int value);
    virtual int Replace(const char* field, const char* value);
    virtual int Append();
    virtual void Blank();
    virtual void Delete();
    virtual void Recall();
    virtual void Pack();
    virtual void CopyRecord(unsigned long source, unsigned long target);

    const char* Fieldname(unsigned number);
    unsigned FieldLength(const char* name);

    // Safe forms for new code: the trimmed text of a field, cut to the
    // caller's buffer size, or as a string.
    int Read(const char* field, char* buffer, std::size_t size);
    int Read(const char* field, std::string& value);
    bool IsOpen() const { return m_table != nullptr; }
    // With flushing off: drops the changes not yet written, so the record
    // stays byte for byte as it is in the file. 1 when there were any (after
    // Flush(): the flush failed), 0 when nothing was pending.
    int Discard();
    // Why the last open or write of this thread failed (for messages).
    static std::string LastError();

private:
    struct FieldEntry {
        int handle = 0;  // the engine's field number
        unsigned length = 0;
        char* buffer = nullptr;  // length + 1 bytes
    };

    int GetFieldsAddrs();
    FieldEntry* entryOf(const char* field);
    bool hasCurrentRecord();
    void report(const char* operation);
    void flushAfterWrite(const char* operation);
    int finishReplace(bool assigned);
    void recordOperation(bool (kx::dbf::Table::*operation)(), const char* name);

    kx::dbf::Table* m_table = nullptr;  // table handle
    void* m_currentTag = nullptr;       // default index tag (the engine keeps no index tags)
    unsigned m_fieldCount = 0;
    FieldEntry* m_fields = nullptr;
    int m_flush = 0;
    bool m_quiet = false;
    bool m_recordHeld = false;  // LockRecord's lock outlives single writes
};

// Closes a table at the end of a scope, whatever way the scope is left.
class ScopedClose {
public:
    explicit ScopedClose(CDatabase& db) : m_db(db) {}
    ~ScopedClose() { m_db.Close(); }
    ScopedClose(const ScopedClose&) = delete;
    ScopedClose& operator=(const ScopedClose&) = delete;

private:
    CDatabase& m_db;
};
