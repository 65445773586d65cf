// Reference lists kept in the data folder, shown in the listing window.
#pragma once

namespace kzt {

// Shows every line of UGII_BASE_DIR + `relativePath` (a GBK text file) in the listing
// window; "数据库文件不存在" when it is missing.
void show_data_file(const char* relativePath);

inline constexpr const char* kNotesFile = "\\kzt-1\\bom\\注意事项.dat";
inline constexpr const char* kFastenersFile = "\\kzt-1\\bom\\紧固件常用规格.dat";

}  // namespace kzt
