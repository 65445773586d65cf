// Names of the drawing backup: the prefix an assembly's files share, what follows it,
// and the backup folder. File names are GBK, without folder and ".prt".
#pragma once
#include <string>
#include <vector>

namespace kzt {

// The text before the first hyphen that most file names begin with (the last one in
// list order when several tie; "" when no name has a hyphen). Returns 1 when at least
// 60 % of all the names share it, else 2 (also for no names at all).
int most_shared_prefix(const std::vector<std::string>& fileNames, std::string& prefix);

// What follows the shared prefix and its hyphen when `shared` and the name begins with
// that prefix; the whole name otherwise.
std::string name_behind_prefix(const std::string& fileName, const std::string& prefix, bool shared);

// The backup folder "%s%s(备份)": the chosen folder text joined directly to the name.
std::string backup_folder(const std::string& folderText, const std::string& fileName);

// True when the text can be a file name: not empty, no character Windows refuses.
bool usable_file_name(const std::string& name);

}  // namespace kzt
