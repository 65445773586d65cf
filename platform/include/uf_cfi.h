/* The host's C interface to files (as the real host's uf_cfi.h): file existence. Paths
 * are host paths (Windows, GBK), mapped to this machine. */
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

#ifdef __cplusplus
}
#endif

#endif /* UF_CFI_INCLUDED */
