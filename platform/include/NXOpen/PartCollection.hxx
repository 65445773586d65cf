// The parts open in the session.
#pragma once
#include <cstddef>
#include <iterator>
#include <memory>
#include <set>
#include <vector>

#include <NXOpen/Assemblies_Component.hxx>
#include <NXOpen/FileNew.hxx>
#include <NXOpen/Part.hxx>
#include <NXOpen/PartLoadStatus.hxx>

namespace NXOpen {

class NXOPENCPPEXPORT PartCollection {
public:
  enum SdpsStatus { SdpsStatusSuccess, SdpsStatusFailed };
  enum RefsetOption { RefsetOptionCurrent, RefsetOptionEntire };
  enum WorkComponentOption { WorkComponentOptionGiven, WorkComponentOptionVisible };

  // The open parts in the order they were opened. The list is taken when begin() is
  // called; parts closed while iterating are skipped, parts opened are not seen.
  class NXOPENCPPEXPORT iterator {
  public:
    using iterator_category = std::input_iterator_tag;
    using value_type = Part*;
    using difference_type = std::ptrdiff_t;
    using pointer = Part**;
    using reference = Part*;
    iterator() = default;
    Part* operator*() const;
    iterator& operator++();
    iterator operator++(int);
    bool operator==(const iterator& other) const;
    bool operator!=(const iterator& other) const { return !(*this == other); }

  private:
    friend class PartCollection;
    iterator(std::shared_ptr<const std::vector<tag_t>> parts, std::size_t at);
    void SkipClosed();
    std::shared_ptr<const std::vector<tag_t>> parts_;
    std::size_t at_ = 0;
  };

  ~PartCollection();
  iterator begin();
  iterator end();

  Part* Work();     // null when there is none
  Part* Display();  // null when there is none
  // An open part by full path, file name or file name without ".prt" (case ignored);
  // throws NXException naming it when none is open.
  BasePart* FindObject(const NXString& name);
  // Makes a part the work part (it must be the displayed part or one of its components).
  void SetWork(Part* part);
  // Makes a part the displayed part and the work part. *loadStatus (when loadStatus is
  // not null) receives a PartLoadStatus for the caller to delete.
  SdpsStatus SetDisplay(BasePart* display, bool useLastView, bool fitAll, PartLoadStatus** loadStatus);
  // Makes a component of the displayed assembly the work component: the work part
  // becomes its part, the work occurrence the component (null: the displayed part).
  void SetWorkComponent(Assemblies::Component* component, RefsetOption refsetOption,
                        WorkComponentOption visibility, PartLoadStatus** loadStatus);
  void SetWorkComponent(Assemblies::Component* component, PartLoadStatus** loadStatus);
  // The settings of a new part file (see FileNew); end it with Destroy().
  NXOpen::FileNew* FileNew();

private:
  friend class Session;
  friend class NXOpen::FileNew;
  PartCollection() = default;
  std::set<NXOpen::FileNew*> fileNews_;  // alive until Destroy(), deleted with the session
};

}  // namespace NXOpen
