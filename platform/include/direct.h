/* The C runtime's folder calls (Microsoft's direct.h) on host paths mapped to this
 * machine. */
#ifndef FABDOC_DIRECT_H
#define FABDOC_DIRECT_H

#ifdef __cplusplus
extern "C" {
#endif

/* Creates one folder level: 0, or -1 with errno EEXIST (it exists) or ENOENT (no parent). */
__attribute__((visibility("default"))) int _mkdir(const char *dirname);
/* Removes an empty folder: 0 or -1. */
__attribute__((visibility("default"))) int _rmdir(const char *dirname);

#ifdef __cplusplus
}
#endif

#endif /* FABDOC_DIRECT_H */
