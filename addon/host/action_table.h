// The menu actions: every command of the add-on is reached through one row here.
#pragma once
#include <uf_mb.h>

// The null-terminated table handed to UF_MB_add_actions.
UF_MB_action_t* action_table();
