// `fabdoc example frame DIR`: writes the example product's part files into DIR.
#include <cstdio>

#include "app/commands.h"
#include "app/example/product.h"
#include "app/output_folder.h"

namespace fabdoc::app {

int ExampleCommand(const Args& args) {
  if (args.size() != 2 || args[0] != "frame")
    throw UsageError("example takes a product name and a folder: example frame DIR");
  RequireWritableFolder(args[1]);
  for (const std::string& path : example::WriteProduct(example::FrameProduct(), args[1]))
    std::printf("%s\n", path.c_str());
  return 0;
}

}  // namespace fabdoc::app
