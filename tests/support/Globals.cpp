// The log lock for test programs, which do not link the application object.
#include "diag/FuncTrace.h"

fx::CCriticalSection g_csLog;
