// The system's code reaching into a host.
#include <string>

#include "engine/Host.h"
#include "host/memory/MemoryHost.h"
