// The real program run as its own process, opened and cancelled.
#pragma once

#include <string>

#include "fx/Win.h"

// Starts the program, waits for its dialog, cancels it and waits for the
// process to end; returns its process id, 0 when any of that failed. With a
// handle, the program's standard handles lead there; without, it has none,
// as when it is started from the shell.
DWORD RunUntilCancelled(const std::wstring& exePath, HANDLE stdHandle = nullptr);
