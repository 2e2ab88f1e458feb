// The whole exported support library: files, log files, resource strings,
// named pipes, the pipe service and serial ports.
#pragma once

#include <kxsupport/CommPort.h>
#include <kxsupport/DosFile.h>
#include <kxsupport/NamedPipe.h>
#include <kxsupport/PipeService.h>
#include <kxsupport/PlainClasses.h>
#include <kxsupport/ResStrings.h>
