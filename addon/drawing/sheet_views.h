// One drawing sheet from its template with its four views: base views of a component
// part (component mode) or imported views of the work part limited to layers (layer
// mode). Both take their scale and gaps from the dialog's state.
#pragma once
#include <string>

#include <uf_defs.h>

#include "drawing/drawing_state.h"

namespace kzt {

// What every sheet is asked for, in the order the sheet routines take it.
struct SheetRequest {
  std::string drawingName;
  std::string numberSuffix;
  std::string sheetName;
  std::string quantity;
  std::string total;
  std::string material;
  double scale = 1.0;
  std::string templatePath;  // relative to UGII_BASE_DIR
};

// Component mode; nothing is made when a sheet of that name exists.
void 创建图纸页(DrawingState& state, const SheetRequest& request, const std::string& modelPath,
               const std::string& modelName);
// A base view of a model view of an open part, centred at (x, y) on the current sheet.
int 创建视图(const std::string& modelPath, const std::string& modelName, double scale, const char* viewName,
            double x, double y, tag_t& view);
// Layer mode: the new sheet keeps the host's name; the caller renames it.
void 创建工程图(DrawingState& state, const SheetRequest& request, tag_t layerSelector);
// An imported model view of the work part limited to the selector's layers (0: the
// general-arrangement layers; a component: its fifteen-layer band; a body: its layer).
tag_t 创建导入视图(DrawingState& state, const char* viewName, double x, double y, tag_t layerSelector);
// Shows a component with its exact geometry.
void 设置组件精确显示(tag_t component);

}  // namespace kzt
