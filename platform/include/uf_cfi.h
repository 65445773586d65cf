/* The host's C interface to files (as the real host's uf_cfi.h): file existence and
 * text files, file copy. Paths are host paths (Windows, GBK), mapped to this machine. */
#ifndef UF_CFI_INCLUDED
#define UF_CFI_INCLUDED

#include <uf_defs.h>

#ifdef __cplusplus
extern "C" {
#endif

#define UF_CFI_MAX_PATH_NAME_NCHARS 1156
#define UF_CFI_MAX_PATH_NAME_BUFSIZE NX_BUFSIZE(UF_CFI_MAX_PATH_NAME_NCHARS)
#define UF_CFI_MAX_PATH_NAME_SIZE (UF_CFI_MAX_PATH_NAME_BUFSIZE - 1)
#define UF_CFI_MAX_FILE_NAME_NCHARS 128
#define UF_CFI_MAX_FILE_NAME_BUFSIZE NX_BUFSIZE(UF_CFI_MAX_FILE_NAME_NCHARS)
#define UF_CFI_MAX_FILE_NAME_SIZE (UF_CFI_MAX_FILE_NAME_BUFSIZE - 1)

/* *status is 0 when the file exists, 1 when it does not. */
extern UFUNEXPORT int UF_CFI_ask_file_exist(const char *file_spec, int *status);

/* The file name of a file specification: what follows its last "\", ending kept
 * (file type 0, any file). Returns 0, or an error code for a name that does not fit. */
extern UFUNEXPORT int uc4574(const char *fspec, int ftype, char fname[MAX_FSPEC_BUFSIZE]);

/* Text files. uc4504 opens one: mode 1 reads, 2 writes a new file, 3 writes over an
 * existing one; type 87 is a text file. Returns a channel (> 0), or a negative value
 * when the file cannot be opened. */
#define UF_CFI_TEXT_FILE_TYPE 87
extern UFUNEXPORT int uc4504(const char *fspec, int mode, int type);
/* The next line of a channel opened for reading, without its line end, in memory to
 * release with UF_free; returns its length in bytes, -1 at the end of the file, another
 * negative value when the channel is not open for reading. */
extern UFUNEXPORT int uc4514a(int channel, char **line);
/* Writes one line (a line end is added) to a channel opened for writing. */
extern UFUNEXPORT int uc4524(int channel, const char *line);
/* Closes a channel: option 0 keeps the file, 1 deletes it. */
extern UFUNEXPORT int uc4540(int channel, int option);

/* File copy (as the real host's uc4567: source, destination, copy mode, source and
 * destination file types). This host knows the modes 1 and 33; both copy and replace
 * an existing destination, through a temporary file renamed into place, so that the
 * destination holds the old file or the whole new one. The source is only read. File
 * type 2 is a part file and 254 a workbook: ".prt" or ".xlsx" is appended to a name that
 * does not end in it; -1 is any file, used as named. A missing source, a destination that is read-only or open in
 * another program, or a folder that cannot be written fails naming the file. */
#define UF_CFI_COPY_MODE_COPY 1
#define UF_CFI_COPY_MODE_COPY_REPLACE 33
#define UF_CFI_ANY_FILE_TYPE (-1)
#define UF_CFI_PART_FILE_TYPE 2
#define UF_CFI_WORKBOOK_FILE_TYPE 254
extern UFUNEXPORT int uc4567(const char *srcspc, const char *dstspc, int cmode, int stype, int dtype);

#ifdef __cplusplus
}
#endif

#endif /* UF_CFI_INCLUDED */
