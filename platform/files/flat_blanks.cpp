#include "platform/files/flat_blanks.h"

#include <filesystem>
#include <set>

#include "platform/base/host_error.h"
#include "platform/files/flat_blank_dxf.h"
#include "platform/geometry/body.h"
#include "platform/geometry/caught_error.h"
#include "platform/objects/session.h"
#include "platform/text/file_name.h"
#include "platform/text/gbk.h"

namespace platform::files {

namespace {

// Host texts the attribute writer stores (GBK).
const std::string kRemark = "REMARK", kStockType = "guige", kPartNo = "DB_PART_NO";
const std::string kMadeToDrawing = text::ToGbk("按图制作");
const std::string kPlate = text::ToGbk("钢板"), kFlatBar = text::ToGbk("扁钢");

std::string Attribute(const Object& object, const std::string& title) {
  const std::string* value = object.attributes.Find(title);
  return value ? *value : std::string();
}

bool CutFromSheet(const std::string& stockType) {
  return stockType.rfind(kPlate, 0) == 0 || stockType.rfind(kFlatBar, 0) == 0;
}

}  // namespace

std::vector<FlatBlankFile> WriteFlatBlanks(const std::string& localFolder) {
  std::vector<FlatBlankFile> written;
  std::set<std::string> seen;
  for (const auto& part : Session::Get().Parts()) {
    for (const auto& object : part->Objects()) {
      const auto* body = dynamic_cast<const Body*>(object.get());
      if (!body || Attribute(*body, kRemark) != kMadeToDrawing || !CutFromSheet(Attribute(*body, kStockType))) continue;
      const std::string number = Attribute(*body, kPartNo);
      if (number.empty() || !seen.insert(number).second) continue;
      FlatBlankFile file;
      file.drawingNumber = text::ToUtf8Lossy(number);
      try {
        const sheet_metal::FlatBlank blank = sheet_metal::DevelopBlank(body->Shape(), file.drawingNumber);
        const std::string stem = text::ToUtf8Lossy(text::SafeFileName(number));
        if (stem != file.drawingNumber) file.problem = "written as " + stem + ".dxf: the drawing number cannot be a file name";
        const std::string path = (std::filesystem::path(localFolder) / (stem + ".dxf")).string();
        WriteFlatBlankDxf(blank, path, path);
        file.path = path;
        file.width = blank.width, file.height = blank.height, file.thickness = blank.thickness;
        file.holes = static_cast<int>(blank.holes.size()), file.bends = static_cast<int>(blank.bends.size());
      } catch (...) {
        file.problem = CaughtAsHostError().what();
      }
      written.push_back(file);
    }
  }
  return written;
}

}  // namespace platform::files
