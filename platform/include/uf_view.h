/* The host's views (as the real host's uf_view.h): the work view, the objects it shows
 * and a view's own layer mask. Headless there is nothing to fit. */
#ifndef UF_VIEW_INCLUDED
#define UF_VIEW_INCLUDED

#include <uf_defs.h>

#ifdef __cplusplus
extern "C" {
#endif

/* What UF_VIEW_cycle_objects returns. */
enum UF_VIEW_cycle_objects_e {
  UF_VIEW_VISIBLE_OBJECTS = 1,
  UF_VIEW_DEPENDENT_OBJECTS,
  UF_VIEW_ERASED_OBJECTS,
  UF_VIEW_MODIFIED_OBJECTS
};
typedef enum UF_VIEW_cycle_objects_e UF_VIEW_cycle_objects_t;

/* The work view: the current sheet's own view while the drafting application shows a
 * sheet, else the work part's first model view; NULL_TAG when there is none. */
extern UFUNEXPORT int UF_VIEW_ask_work_view(tag_t *view_tag);
/* Fits a view (NULL_TAG: the work view); nothing to do headless. */
extern UFUNEXPORT int UF_VIEW_fit_view(tag_t view_tag, double fit_fraction);

/* Next object after *object (NULL_TAG starts, NULL_TAG ends) in a view (NULL_TAG: the
 * work view). On a sheet's own view, the visible objects are the sections of its tabular
 * notes and its parts lists (the frame's curves and texts have no tags); on a drawing view
 * the bodies it shows; on a model view the bodies not blanked on visible layers. */
extern UFUNEXPORT int UF_VIEW_cycle_objects(tag_t view, UF_VIEW_cycle_objects_t type, tag_t *object);

/* A view's own layer-visibility mask, by view name ("" : the work view). ip2 1 drops the
 * view's mask (the view shows the global layer settings again); ip2 2 sets it from ip3,
 * 256 entries, ip3[i] for layer i + 1: 1 visible, 0 hidden. The view becomes out of date. */
extern UFUNEXPORT int uc6447(const char *cp1, int ip2, int *ip3);

/* Erases a body (or body occurrence) from the drawing view of that name in the work
 * part: the view no longer draws it, the model keeps it. The view becomes out of date. */
extern UFUNEXPORT int uc6400(const char *cp1, tag_t np2);

#ifdef __cplusplus
}
#endif

#endif /* UF_VIEW_INCLUDED */
