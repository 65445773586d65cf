/* ShellExecuteA lives in windows.h on this host. */
#include <windows.h>
