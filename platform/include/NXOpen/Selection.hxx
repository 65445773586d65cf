// Selection types of the object interface: filter actions and mask triples.
#pragma once

namespace NXOpen {

class Selection {
public:
  enum SelectionAction {
    SelectionActionEnableAll,
    SelectionActionEnableSpecific,
    SelectionActionDisableSpecific,
    SelectionActionClearAndEnableSpecific,
    SelectionActionAllAndDisableSpecific
  };

  // Object type, subtype and detail (36: solid bodies only), as the C interface numbers them.
  struct MaskTriple {
    int Type, Subtype, SolidBodySubtype;
    MaskTriple() : Type(0), Subtype(0), SolidBodySubtype(0) {}
    MaskTriple(int type, int subtype, int solidBodySubtype)
        : Type(type), Subtype(subtype), SolidBodySubtype(solidBodySubtype) {}
  };
};

}  // namespace NXOpen
