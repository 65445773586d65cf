// Four direct display commands: the background between black and white, the layers of
// the current layer-mode sheet, the displayed part's folder, and the transparency of
// picked bodies. Each returns 0.
#pragma once

int toggle_background();     // baijin_heibai
int show_sheet_layers();     // tuceng_xianshi
int open_part_folder();      // wrod_lujin
int toggle_transparency();   // yanse_touming

namespace kzt {

// The layer a layer-mode sheet name begins with: the leading digits of the text before
// the first "-" (of the whole name without "-"); 0 when it does not begin with one.
int sheet_layer_number(const char* sheetName);
// The background after a toggle: white from exactly black, black from any other colour.
void toggled_background(double rgb[3]);
// The folder of a host path: the text before its last backslash; empty without one.
const char* part_folder(const char* path, char* folder, int size);

}  // namespace kzt
