// A builder's single pick: an object, the view it was picked in and the picked point.
#pragma once
#include <NXOpen/NXObject.hxx>
#include <NXOpen/View.hxx>
#include <NXOpen/ugmath.hxx>

namespace NXOpen {

class NXOPENCPPEXPORT SelectNXObject {
public:
  SelectNXObject() = default;
  virtual ~SelectNXObject() = default;
  // Null selection: a point only (a view placement picks a point on the sheet's view).
  void SetValue(NXObject* selection, View* view, const Point3d& point) {
    selection_ = selection;
    view_ = view;
    point_ = point;
    isSet_ = true;
  }
  void GetValue(NXObject** selection, View** view, Point3d* point) const {
    *selection = selection_;
    *view = view_;
    *point = point_;
  }
  bool IsSet() const { return isSet_; }

private:
  NXObject* selection_ = nullptr;
  View* view_ = nullptr;
  Point3d point_;
  bool isSet_ = false;
};

}  // namespace NXOpen
