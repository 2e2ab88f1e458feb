#pragma once
// A demo site to import into: writes the file to import into the working
// directory, runs an import, and tells whether anything was written.

#include "importexport/AlarmImport.h"
#include "importexport/PersonsImport.h"
#include "tests/common/DemoSiteFixture.h"

namespace kx::test {

class ImportFixture : public DemoSiteFixture {
protected:
    std::string file(const std::string& bytes, const std::string& name = "in.csv")
    {
        site.write("work/" + name, bytes);
        return site.path("work/" + name);
    }
    importexport::OperationResult alarms(const std::string& bytes, std::string_view separators = ";")
    {
        return importexport::ImportAlarms(file(bytes), separators, control);
    }
    importexport::OperationResult persons(const std::string& bytes)
    {
        return importexport::ImportPersons(file(bytes), ";", control);
    }
    // The bytes an import may change.
    std::string written() const
    {
        std::string all = site.read("db1/vm001.dbf") + site.read("db1/kxpers.dbf");
        for (const char* ini : {"kxamsg.ini", "kxamsg1.ini", "kxamsg2.ini", "kxamsg3.ini"})
            all += ini + site.read(std::string("windows/") + ini);
        return all;
    }

    importexport::OperationControl control;
};

}  // namespace kx::test
