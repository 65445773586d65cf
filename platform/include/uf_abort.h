/* The host's C interface to the user's abort request during a long operation (as the
 * real host's uf_abort.h). Headless, the request comes from the platform
 * (platform::ui::RequestAbort) or from an interrupt (Ctrl+C) while aborting is enabled. */
#ifndef UF_ABORT_INCLUDED
#define UF_ABORT_INCLUDED

#include <uf_defs.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Lets the user ask to abort from now on (clears nothing). */
extern UFUNEXPORT int UF_ABORT_enable_abort(void);
/* Stops taking requests and forgets a pending one. */
extern UFUNEXPORT int UF_ABORT_disable_abort(void);
/* Forgets a pending request. */
extern UFUNEXPORT int UF_ABORT_clear_abort(void);
/* True when the user asked to abort while aborting was enabled and it was not cleared. */
extern UFUNEXPORT int UF_ABORT_ask_flag_status(logical *abort_flag);

#ifdef __cplusplus
}
#endif

#endif /* UF_ABORT_INCLUDED */
