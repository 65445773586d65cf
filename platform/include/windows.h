/* The few Windows calls the add-on makes, over this machine's services. Paths are host
 * paths (backslashes, GBK) mapped to this machine as every host file call maps them.
 *   LoadLibraryA   dlopen; a plain file name is looked for in UGII_BASE_DIR\NXBIN, then
 *                  in the start-up folder; a name without extension gets ".dll"
 *   GetProcAddress dlsym (decorated names are looked up as they are)
 *   ShellExecuteA  prints "shell: <verb> <file>" on standard output; with a desktop
 *                  (DISPLAY set) "open" then goes to xdg-open. Returns 42 when the file
 *                  or folder exists (and the desktop took it), SE_ERR_FNF (2) when it
 *                  does not exist, SE_ERR_NOASSOC (31) when xdg-open failed
 *   DeleteFileA    removes a file; FALSE (ERROR_ACCESS_DENIED) for a read-only file or a
 *                  folder, as on Windows */
#ifndef FABDOC_WINDOWS_H
#define FABDOC_WINDOWS_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define FABDOC_WINAPI_EXPORT __attribute__((visibility("default")))
#define WINAPI
#define APIENTRY
#define CALLBACK
#define FAR
#define NEAR

typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef uint32_t DWORD;
typedef int INT;
typedef unsigned int UINT;
typedef int32_t LONG;
typedef char CHAR;
typedef const char *LPCSTR;
typedef char *LPSTR;
typedef void *LPVOID;
typedef void *HANDLE;
typedef intptr_t INT_PTR;
typedef uintptr_t UINT_PTR;
typedef struct HINSTANCE__ *HINSTANCE;
typedef HINSTANCE HMODULE;
typedef struct HWND__ *HWND;
typedef INT_PTR (*FARPROC)();

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

#define MAX_PATH 260
#define INVALID_HANDLE_VALUE ((HANDLE)(intptr_t)-1)

#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_NORMAL 1
#define SW_SHOW 5

#define ERROR_SUCCESS 0L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_PATH_NOT_FOUND 3L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_MOD_NOT_FOUND 126L
#define ERROR_PROC_NOT_FOUND 127L

#define SE_ERR_FNF 2
#define SE_ERR_PNF 3
#define SE_ERR_NOASSOC 31

FABDOC_WINAPI_EXPORT HMODULE LoadLibraryA(LPCSTR lpLibFileName);
FABDOC_WINAPI_EXPORT FARPROC GetProcAddress(HMODULE hModule, LPCSTR lpProcName);
FABDOC_WINAPI_EXPORT BOOL FreeLibrary(HMODULE hLibModule);
FABDOC_WINAPI_EXPORT HINSTANCE ShellExecuteA(HWND hwnd, LPCSTR lpOperation, LPCSTR lpFile,
                                             LPCSTR lpParameters, LPCSTR lpDirectory, INT nShowCmd);
FABDOC_WINAPI_EXPORT BOOL DeleteFileA(LPCSTR lpFileName);
/* The error of the last call above that failed (ERROR_* codes). */
FABDOC_WINAPI_EXPORT DWORD GetLastError(void);
FABDOC_WINAPI_EXPORT void SetLastError(DWORD dwErrCode);

#define LoadLibrary LoadLibraryA
#define ShellExecute ShellExecuteA
#define DeleteFile DeleteFileA

#ifdef __cplusplus
}
#endif

#endif /* FABDOC_WINDOWS_H */
