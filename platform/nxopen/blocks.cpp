// The block classes' own accessors: shorthands for their property lists.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <NXOpen/BlockStyler_Button.hxx>
#include <NXOpen/BlockStyler_DoubleBlock.hxx>
#include <NXOpen/BlockStyler_DrawingArea.hxx>
#include <NXOpen/BlockStyler_Enumeration.hxx>
#include <NXOpen/BlockStyler_ExpressionBlock.hxx>
#include <NXOpen/BlockStyler_FolderSelection.hxx>
#include <NXOpen/BlockStyler_Group.hxx>
#include <NXOpen/BlockStyler_IntegerBlock.hxx>
#include <NXOpen/BlockStyler_Label.hxx>
#include <NXOpen/BlockStyler_LinearDimension.hxx>
#include <NXOpen/BlockStyler_ObjectColorPicker.hxx>
#include <NXOpen/BlockStyler_SelectObject.hxx>
#include <NXOpen/BlockStyler_Separator.hxx>
#include <NXOpen/BlockStyler_SpecifyOrientation.hxx>
#include <NXOpen/BlockStyler_SpecifyPoint.hxx>
#include <NXOpen/BlockStyler_StringBlock.hxx>
#include <NXOpen/BlockStyler_Toggle.hxx>
#include <NXOpen/Expression.hxx>
#include <NXOpen/NXException.hxx>

#include "platform/nxopen/host_calls.h"

namespace NXOpen {
namespace {

std::unique_ptr<BlockStyler::PropertyList> P(BlockStyler::UIBlock* block) {
  return std::unique_ptr<BlockStyler::PropertyList>(block->GetProperties());
}

}  // namespace

Expression::~Expression() = default;
double Expression::Value() { return owner_ ? P(owner_)->GetDouble("Value") : value_; }

void Expression::SetValue(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.17g", value);
  if (owner_) P(owner_)->SetDouble("Value", value);
  value_ = value;
  text_ = text;
}

NXString Expression::RightHandSide() {
  if (!owner_) return text_;
  char text[64];
  std::snprintf(text, sizeof text, "%.17g", Value());
  return NXString(text);
}

void Expression::SetRightHandSide(const NXString& rightHandSide) {
  const std::string text = rightHandSide.GetText();
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  while (end && (*end == ' ' || *end == '\t')) ++end;
  if (text.empty() || end == text.c_str() || *end || !std::isfinite(value))
    throw NXException(static_cast<int>(platform::HostStatus::InvalidArgument),
                      "expression: \"" + platform::nxopen::HostText(text) + "\" is not a number");
  SetValue(value);
  text_ = rightHandSide;
}

namespace BlockStyler {

Group::~Group() = default;
bool Group::Expanded() { return P(this)->GetLogical("Expanded"); }
void Group::SetExpanded(bool expanded) { P(this)->SetLogical("Expanded", expanded); }

Label::~Label() = default;
Separator::~Separator() = default;
Button::~Button() = default;

Toggle::~Toggle() = default;
bool Toggle::Value() { return P(this)->GetLogical("Value"); }
void Toggle::SetValue(bool value) { P(this)->SetLogical("Value", value); }

StringBlock::~StringBlock() = default;
NXString StringBlock::Value() { return P(this)->GetString("Value"); }
void StringBlock::SetValue(const NXString& value) { P(this)->SetString("Value", value); }

Enumeration::~Enumeration() = default;
int Enumeration::ValueAsInteger() { return P(this)->GetEnum("Value"); }
NXString Enumeration::ValueAsString() { return P(this)->GetEnumAsString("Value"); }
void Enumeration::SetValueAsString(const NXString& value) { P(this)->SetEnumAsString("Value", value); }
std::vector<NXString> Enumeration::GetEnumMembers() { return P(this)->GetEnumMembers("Value"); }

FolderSelection::~FolderSelection() = default;
NXString FolderSelection::Path() { return P(this)->GetString("Path"); }
void FolderSelection::SetPath(const NXString& path) { P(this)->SetString("Path", path); }

ObjectColorPicker::~ObjectColorPicker() = default;
std::vector<int> ObjectColorPicker::GetValue() { return P(this)->GetIntegerVector("Value"); }
void ObjectColorPicker::SetValue(const std::vector<int>& value) { P(this)->SetIntegerVector("Value", value); }

DoubleBlock::~DoubleBlock() = default;
double DoubleBlock::Value() { return P(this)->GetDouble("Value"); }
void DoubleBlock::SetValue(double value) { P(this)->SetDouble("Value", value); }

IntegerBlock::~IntegerBlock() = default;
int IntegerBlock::Value() { return P(this)->GetInteger("Value"); }
void IntegerBlock::SetValue(int value) { P(this)->SetInteger("Value", value); }

LinearDimension::~LinearDimension() = default;
double LinearDimension::Value() { return P(this)->GetDouble("Value"); }
void LinearDimension::SetValue(double value) { P(this)->SetDouble("Value", value); }
Point3d LinearDimension::HandleOrigin() { return P(this)->GetPoint("HandleOrigin"); }
void LinearDimension::SetHandleOrigin(const Point3d& origin) { P(this)->SetPoint("HandleOrigin", origin); }
Vector3d LinearDimension::HandleOrientation() { return P(this)->GetVector("HandleOrientation"); }
void LinearDimension::SetHandleOrientation(const Vector3d& direction) {
  P(this)->SetVector("HandleOrientation", direction);
}
bool LinearDimension::ShowHandle() { return P(this)->GetLogical("ShowHandle"); }
void LinearDimension::SetShowHandle(bool show) { P(this)->SetLogical("ShowHandle", show); }

SpecifyPoint::~SpecifyPoint() = default;
Point3d SpecifyPoint::Point() { return P(this)->GetPoint("Point"); }
void SpecifyPoint::SetPoint(const Point3d& point) { P(this)->SetPoint("Point", point); }

SpecifyOrientation::~SpecifyOrientation() = default;
Point3d SpecifyOrientation::Origin() { return P(this)->GetPoint("Origin"); }
void SpecifyOrientation::SetOrigin(const Point3d& origin) { P(this)->SetPoint("Origin", origin); }
Vector3d SpecifyOrientation::XAxis() { return P(this)->GetVector("XAxis"); }
void SpecifyOrientation::SetXAxis(const Vector3d& axis) { P(this)->SetVector("XAxis", axis); }
Vector3d SpecifyOrientation::YAxis() { return P(this)->GetVector("YAxis"); }
void SpecifyOrientation::SetYAxis(const Vector3d& axis) { P(this)->SetVector("YAxis", axis); }

DrawingArea::~DrawingArea() = default;
NXString DrawingArea::Image() { return P(this)->GetString("Image"); }
void DrawingArea::SetImage(const NXString& image) { P(this)->SetString("Image", image); }

SelectObject::~SelectObject() = default;
std::vector<TaggedObject*> SelectObject::GetSelectedObjects() {
  return P(this)->GetTaggedObjectVector("SelectedObjects");
}
void SelectObject::SetSelectedObjects(const std::vector<TaggedObject*>& objects) {
  P(this)->SetTaggedObjectVector("SelectedObjects", objects);
}

ExpressionBlock::ExpressionBlock() : expression_(new NXOpen::Expression(this)) {}
ExpressionBlock::~ExpressionBlock() = default;
NXOpen::Expression* ExpressionBlock::Value() { return expression_.get(); }

}  // namespace BlockStyler
}  // namespace NXOpen
