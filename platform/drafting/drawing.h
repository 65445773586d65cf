// Drafting objects of a part: drawing sheets, the views on them (and the part's model
// views), and tabular notes. Views and notes refer to their sheet by persistent id.
#pragma once
#include "platform/drafting/drafting_view.h"
#include "platform/drafting/sheet.h"
#include "platform/drafting/tabular_note.h"
