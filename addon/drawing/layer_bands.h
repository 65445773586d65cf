// The layer scheme of layer-mode drawings: every numbered component owns a band of
// fifteen layers from layer 100, its drawing parts sit on the band's layers by number,
// and everything else in the drawing walk waits on layer 90.
#pragma once
#include <string>
#include <vector>

namespace kzt {

inline constexpr int kWaitingLayer = 90;     // components outside the bands
inline constexpr int kFirstBandLayer = 100;  // band of component 1
inline constexpr int kLastBandLayer = 250;   // components already on 100..250 stay there
inline constexpr int kBandWidth = 15;        // the component's layer and parts 1..14
inline constexpr int kHighestLayer = 256;

// The first layer of component number N's band: 100 + 15 (N - 1).
long long band_first_layer(long long componentNumber);

// A drawing part's number within its component: the value of the leading digits of
// the text after the last hyphen of its drawing number (0 when there are none).
int part_number_of(const std::string& drawingNumber);

// Whether a hyphenated drawing number belongs to the component whose object name ends
// in `componentTail`: the number contains the tail, or holds a single hyphen (prefix-n).
bool number_belongs_to(const std::string& drawingNumber, const std::string& componentTail);

// What stops a component's band from being laid out, checked before anything changes:
// the band beyond the host's layers, more new parts than free numbers, a part number
// of 15 or more (it would land in the next component's band) or a part's layer beyond
// the host's layers. Empty when the band can be laid out. Texts name the component's
// file and the number.
struct BandCheck {
  std::string fileName;
  long long componentNumber = 0;
  std::vector<int> partNumbers;  // numbered parts' numbers, then the new parts' numbers
  int newParts = 0;              // new parts that need a number
  int freeNumbers = 0;           // free numbers on offer
};
std::string band_problem(const BandCheck& check);

}  // namespace kzt
