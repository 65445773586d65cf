/* The host's views (as the real host's uf_view.h): the work view. Headless there is
 * nothing to fit. */
#ifndef UF_VIEW_INCLUDED
#define UF_VIEW_INCLUDED

#include <uf_defs.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The work part's first model view, or NULL_TAG when it has none. */
extern UFUNEXPORT int UF_VIEW_ask_work_view(tag_t *view_tag);
/* Fits a view (NULL_TAG: the work view); nothing to do headless. */
extern UFUNEXPORT int UF_VIEW_fit_view(tag_t view_tag, double fit_fraction);

#ifdef __cplusplus
}
#endif

#endif /* UF_VIEW_INCLUDED */
