/* The C runtime's file calls the add-on makes (Microsoft's io.h), on host paths
 * (backslashes, GBK) mapped to this machine as every host file call maps them.
 *
 * rename: the add-on calls plain rename(old, new) with host paths. This header routes it
 * to fabdoc_rename, which maps both paths and, as on Windows, fails (-1, errno EEXIST)
 * when the new name already exists instead of replacing it. Include io.h after <cstdio>
 * or <stdio.h> (it includes <stdio.h> itself); std::rename is routed the same way.
 * Include it after the standard headers: the macro renames every later "rename"
 * (std::filesystem::rename among them). */
#ifndef FABDOC_IO_H
#define FABDOC_IO_H

#include <stdint.h>
#include <stdio.h>

#ifdef __cplusplus
#include <cstdio>
extern "C" {
#endif

#define FABDOC_CRT_EXPORT __attribute__((visibility("default")))

#ifndef __time64_t   /* glibc may already name it (a macro for its 64-bit time_t) */
typedef int64_t __time64_t;
#endif
typedef uint32_t _fsize_t;

/* File attributes */
#define _A_NORMAL 0x00
#define _A_RDONLY 0x01
#define _A_HIDDEN 0x02
#define _A_SYSTEM 0x04
#define _A_SUBDIR 0x10
#define _A_ARCH 0x20

struct _finddata64i32_t {
  unsigned attrib;
  __time64_t time_create;  /* seconds since 1970 */
  __time64_t time_access;
  __time64_t time_write;
  _fsize_t size;           /* low 32 bits of the size */
  char name[260];          /* GBK */
};

/* Lists a folder: spec is "folder\pattern" with * and ? (ASCII case ignored). Entries
 * come in name order, "." and ".." first when the pattern matches them, as on Windows;
 * names without a GBK form are left out. Returns a handle, or -1 (errno ENOENT) when
 * nothing matches. */
FABDOC_CRT_EXPORT intptr_t _findfirst64i32(const char *filespec, struct _finddata64i32_t *fileinfo);
/* 0 and the next entry, or -1 (errno ENOENT) at the end. */
FABDOC_CRT_EXPORT int _findnext64i32(intptr_t handle, struct _finddata64i32_t *fileinfo);
FABDOC_CRT_EXPORT int _findclose(intptr_t handle);

/* 0 when the path exists with the access asked (0 exists, 2 write, 4 read, 6 both), else -1.
 * A read-only file is not writable, as on Windows. */
FABDOC_CRT_EXPORT int _access(const char *path, int mode);

FABDOC_CRT_EXPORT int fabdoc_rename(const char *oldname, const char *newname);

#ifdef __cplusplus
}
namespace std { using ::fabdoc_rename; }
#endif

#define rename fabdoc_rename

#endif /* FABDOC_IO_H */
