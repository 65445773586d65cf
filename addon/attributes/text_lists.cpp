// Data-folder text lists in the listing window.
#include "attributes/text_lists.h"

#include <string>

#include <uf.h>
#include <uf_cfi.h>
#include <uf_ui.h>

#include "host/host_folder.h"
#include "host/message.h"
#include "host/uf_session.h"

namespace kzt {

void show_data_file(const char* relativePath) {
  UfSession uf;
  const std::string path = host_file(relativePath);
  int status = 1;
  UF_CFI_ask_file_exist(path.c_str(), &status);
  if (status != 0) {
    show_message("数据库文件不存在");
    return;
  }
  const int channel = uc4504(path.c_str(), 1, UF_CFI_TEXT_FILE_TYPE);
  if (channel > 0) {
    UF_UI_open_listing_window();
    char* line = nullptr;
    while (uc4514a(channel, &line) >= 0) {
      UF_UI_write_listing_window(line);
      UF_UI_write_listing_window("\n");
      UF_free(line);
      line = nullptr;
    }
    uc4540(channel, 0);
  }
}

}  // namespace kzt
