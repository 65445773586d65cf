// The DXF/DWG translator's export builder. This host writes drawing sheets as DWG
// (AutoCAD 2000 files whatever the revision asked for; docs/dwg.md): Commit writes the
// sheet named by the drawing list of the part named by the input file into the output file.
#pragma once
#include <string>

#include <NXOpen/Builder.hxx>
#include <NXOpen/NXString.hxx>
#include <NXOpen/ObjectTypeSelector.hxx>

namespace NXOpen {

class DexManager;

class NXOPENCPPEXPORT DxfdwgCreator : public Builder {
public:
  enum AutoCADRevisionOptions {
    AutoCADRevisionOptionsR2000, AutoCADRevisionOptionsR2004, AutoCADRevisionOptionsR2005,
    AutoCADRevisionOptionsR2007, AutoCADRevisionOptionsR2010, AutoCADRevisionOptionsR2013
  };
  enum ExportDataOption { ExportDataOptionModeling, ExportDataOptionDrawing };
  enum OutputFileTypeOption { OutputFileTypeOptionDxf, OutputFileTypeOptionDwg };
  enum WidthfactorMethodOptions {
    WidthfactorMethodOptionsAutomaticCalculation, WidthfactorMethodOptionsUseSameAsNXAspectratio,
    WidthfactorMethodOptionsUseValueSpecifiedInMappingFile,
    WidthfactorMethodOptionsScaleNXAspectratioWithSpecifiedValue
  };

  void SetExportData(ExportDataOption exportData) { exportData_ = exportData; }
  ExportDataOption ExportData() const { return exportData_; }
  void SetAutoCADRevision(AutoCADRevisionOptions revision) { revision_ = revision; }
  AutoCADRevisionOptions AutoCADRevision() const { return revision_; }
  void SetViewEditMode(bool viewEditMode) { viewEditMode_ = viewEditMode; }
  bool ViewEditMode() const { return viewEditMode_; }
  void SetOutputFileType(OutputFileTypeOption type) { outputFileType_ = type; }
  OutputFileTypeOption OutputFileType() const { return outputFileType_; }
  NXOpen::ObjectTypeSelector* ObjectTypes() { return &objectTypes_; }
  void SetOutputFile(const NXString& filename) { outputFile_ = filename.GetText(); }
  NXString OutputFile() const { return outputFile_; }
  void SetInputFile(const NXString& filename) { inputFile_ = filename.GetText(); }
  NXString InputFile() const { return inputFile_; }
  void SetDrawingList(const NXString& drawingList) { drawingList_ = drawingList.GetText(); }
  NXString DrawingList() const { return drawingList_; }
  void SetFlattenAssembly(bool flatten) { flattenAssembly_ = flatten; }
  bool FlattenAssembly() const { return flattenAssembly_; }
  void SetWidthFactorMode(WidthfactorMethodOptions mode) { widthFactorMode_ = mode; }
  WidthfactorMethodOptions WidthFactorMode() const { return widthFactorMode_; }
  void SetOverlappingEntities(bool overlapping) { overlappingEntities_ = overlapping; }
  bool OverlappingEntities() const { return overlappingEntities_; }
  void SetFileSaveFlag(bool save) { fileSaveFlag_ = save; }
  bool FileSaveFlag() const { return fileSaveFlag_; }

  // Writes the file; throws NXException naming the part, the sheet or the file when
  // the part is not open, the sheet is missing or has no views, the output name is
  // not one a file may have, or the file cannot be written. Returns null (no object
  // is made in the part).
  NXObject* Commit() override;
  // Whether the inputs name a part, one sheet and an output file.
  bool Validate() override;

private:
  friend class DexManager;
  DxfdwgCreator() = default;

  ExportDataOption exportData_ = ExportDataOptionModeling;
  AutoCADRevisionOptions revision_ = AutoCADRevisionOptionsR2000;
  bool viewEditMode_ = false;
  OutputFileTypeOption outputFileType_ = OutputFileTypeOptionDxf;
  NXOpen::ObjectTypeSelector objectTypes_;
  std::string outputFile_, inputFile_, drawingList_;  // host text (GBK)
  bool flattenAssembly_ = true;
  WidthfactorMethodOptions widthFactorMode_ = WidthfactorMethodOptionsAutomaticCalculation;
  bool overlappingEntities_ = false;
  bool fileSaveFlag_ = false;
};

}  // namespace NXOpen
