/* The host's knowledge rules (as the real host's uf_kf.h), on the root instance "Root:"
 * of the work part. Rules are created without evaluation; UF_MODL_update evaluates what
 * is pending, each rule once, the rules it refers to first. Names, types and texts are
 * GBK. The rule language and its spreadsheet functions: docs/workbook.md. */
#ifndef UF_KF_INCLUDED
#define UF_KF_INCLUDED

#include <uf_defs.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Prepares the part for rules; its existing rules are kept. */
extern UFUNEXPORT int UF_KF_init_part(tag_t part);
/* Creates (or replaces) the rule `rule_name` of `name_chain` ("Root:" only here) with the
 * type ("Integer Parameter", "Boolean Parameter", "List Parameter", ...) and the text. A
 * text that cannot be parsed fails naming the rule, and no rule is created. The comment
 * may be NULL and is not kept. */
extern UFUNEXPORT int UF_KF_create_rule_no_update(const char *name_chain, const char *rule_name,
                                                 const char *rule_type, const char *rule_text,
                                                 const char *leading_comment);
/* Deletes the rule; fails naming it when there is none. */
extern UFUNEXPORT int UF_KF_delete_instance_rule(const char *name_chain, const char *rule_name);

#ifdef __cplusplus
}
#endif

#endif /* UF_KF_INCLUDED */
