// Host object type codes as the add-on sees them through UF_OBJ_ask_type_and_subtype.
#pragma once

namespace platform {

constexpr int kPartType = 2;
constexpr int kGroupType = 15;        // groups of objects (an imported part's objects)
constexpr int kViewType = 60;          // views and model views
constexpr int kDrawingType = 62;       // drawing sheets
constexpr int kComponentType = 63;     // component (part) occurrences
constexpr int kPartOccurrenceSubtype = 1;
constexpr int kSolidType = 70;
constexpr int kSolidBodySubtype = 0;
constexpr int kSolidFaceSubtype = 2;
constexpr int kSolidEdgeSubtype = 3;
constexpr int kTabularNoteType = 165;  // tabular notes and their sections
constexpr int kFeatureType = 205;

constexpr int kSolidBodyType = 5601;   // body type of a closed solid
constexpr int kSheetBodyType = 5602;

}  // namespace platform
