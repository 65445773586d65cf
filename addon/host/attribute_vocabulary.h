// The attribute titles every command reads and writes, and the fixed remark texts.
// Titles are exact and case-sensitive; values are GBK text.
#pragma once

namespace kzt {

inline constexpr const char* kPartName = "DB_PART_NAME";      // part name
inline constexpr const char* kPartNo = "DB_PART_NO";          // drawing number
inline constexpr const char* kMaterial = "MATERIALS";         // material
inline constexpr const char* kRemark = "REMARK";              // how the part is made
inline constexpr const char* kStockSpec = "suling";           // stock specification text
inline constexpr const char* kStockType = "guige";            // stock type text
inline constexpr const char* kEnvelope = "DATE";              // measured envelope text

inline constexpr const char* kMadeToDrawing = "按图制作";
inline constexpr const char* kBoughtOut = "外购件";

// Bodies and components on this layer are left out of lists and drawing walks.
inline constexpr int kReservedLayer = 171;

// Host attribute type codes.
inline constexpr int kAttrString = 5;
inline constexpr int kAttrAny = 6;

}  // namespace kzt
