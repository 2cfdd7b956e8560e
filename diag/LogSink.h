// Where the log goes, chosen once at start-up from the current user's registry.
#pragma once

// 0: no log; 1: console; 2: fresh file; 3: appended file; 4: appended file
// named after the main executable; anything else: standard output as it is.
extern int g_nLogMode;

void InitLogOutput();
