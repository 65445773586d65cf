#include "platform/dwg/file_layout.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

#include "platform/dwg/crc.h"

namespace platform::dwg {
namespace {

using Sentinel = std::array<uint8_t, 16>;
constexpr Sentinel kHeaderBegin{0xCF, 0x7B, 0x1F, 0x23, 0xFD, 0xDE, 0x38, 0xA9,
                                0x5F, 0x7C, 0x68, 0xB8, 0x4E, 0x6D, 0x33, 0x5F};
constexpr Sentinel kClassesBegin{0x8D, 0xA1, 0xC4, 0xB8, 0xC4, 0xA9, 0xF8, 0xC5,
                                 0xC0, 0xDC, 0xF4, 0x5F, 0xE7, 0xCF, 0xB6, 0x8A};
constexpr Sentinel kFileHeaderEnd{0x95, 0xA0, 0x4E, 0x28, 0x99, 0x82, 0x1A, 0xE5,
                                  0x5E, 0x41, 0xE0, 0x5F, 0x9D, 0x3A, 0x4D, 0x00};

// Each end sentinel is its begin sentinel with every bit inverted.
Sentinel Inverted(const Sentinel& s) {
  Sentinel out{};
  for (size_t i = 0; i < s.size(); ++i) out[i] = static_cast<uint8_t>(~s[i]);
  return out;
}

constexpr int kSectionCount = 3;  // header variables, classes, object map
constexpr size_t kLocatorOffset = 0x19;
constexpr size_t kFileHeaderSize = kLocatorOffset + 9 * kSectionCount + 2 + 16;
// Readers refuse object map pages longer than this (size field included).
constexpr size_t kMaxMapPage = 2032;

void Put(std::vector<uint8_t>& out, const Sentinel& s) { out.insert(out.end(), s.begin(), s.end()); }

void PutRS(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

void PutRL(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void PutBigEndianRS(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v >> 8));
  out.push_back(static_cast<uint8_t>(v));
}

// A sentinel-framed section: begin sentinel, byte size, data, checksum over size and data, end sentinel.
std::vector<uint8_t> FramedSection(const Sentinel& begin, const std::vector<uint8_t>& data) {
  std::vector<uint8_t> out;
  Put(out, begin);
  const size_t checked = out.size();
  PutRL(out, static_cast<uint32_t>(data.size()));
  out.insert(out.end(), data.begin(), data.end());
  PutRS(out, Crc16(kCrcSeed, out.data() + checked, out.size() - checked));
  Put(out, Inverted(begin));
  return out;
}

void ClosePage(std::vector<uint8_t>& map, size_t pageStart) {
  const size_t size = map.size() - pageStart;
  map[pageStart] = static_cast<uint8_t>(size >> 8);
  map[pageStart + 1] = static_cast<uint8_t>(size);
  PutBigEndianRS(map, Crc16(kCrcSeed, map.data() + pageStart, size));
}

// Pages of (handle, address) pairs, each pair stored as its difference from the
// previous pair of the page; an empty page ends the map.
std::vector<uint8_t> ObjectMap(std::vector<std::pair<uint32_t, uint32_t>> entries) {
  std::sort(entries.begin(), entries.end());
  std::vector<uint8_t> map;
  size_t pageStart = 0;
  uint32_t lastHandle = 0, lastAddress = 0;
  bool pageOpen = false;
  for (const auto& [handle, address] : entries) {
    if (pageOpen && handle == lastHandle)
      throw std::logic_error("DWG object handle " + std::to_string(handle) + " used twice");
    std::vector<uint8_t> pair;
    AppendUnsignedModularChar(pair, handle - (pageOpen ? lastHandle : 0));
    AppendModularChar(pair, static_cast<int64_t>(address) - (pageOpen ? lastAddress : 0));
    if (pageOpen && map.size() - pageStart + pair.size() > kMaxMapPage) {
      ClosePage(map, pageStart);
      pageOpen = false;
      pair.clear();
      AppendUnsignedModularChar(pair, handle);
      AppendModularChar(pair, address);
    }
    if (!pageOpen) {
      pageStart = map.size();
      map.push_back(0);
      map.push_back(0);
      pageOpen = true;
    }
    map.insert(map.end(), pair.begin(), pair.end());
    lastHandle = handle;
    lastAddress = address;
  }
  if (pageOpen) ClosePage(map, pageStart);
  pageStart = map.size();
  map.push_back(0);
  map.push_back(0);
  ClosePage(map, pageStart);
  return map;
}

// One class declared, none used: a reader refuses an empty class list. The
// dictionary-with-default class is the first one every drawing of this version lists.
std::vector<uint8_t> ClassesData() {
  constexpr uint16_t kFirstClassNumber = 500, kObjectClass = 0x1F3;
  BitWriter w;
  w.BS(kFirstClassNumber);
  w.BS(0);  // no proxy restrictions
  w.TV("ObjectDBX Classes");
  w.TV("AcDbDictionaryWithDefault");
  w.TV("ACDBDICTIONARYWDFLT");
  w.Bit(false);  // was never a proxy
  w.BS(kObjectClass);
  return w.Bytes();
}

}  // namespace

uint16_t FileHeaderCrc(const uint8_t* data, size_t size) { return Crc16(kCrcSeed, data, size); }

std::vector<uint8_t> AssembleFile(const std::vector<uint8_t>& headerVariables,
                                  const std::vector<ObjectRecord>& objects, uint16_t codePage) {
  const std::vector<uint8_t> header = FramedSection(kHeaderBegin, headerVariables);
  const std::vector<uint8_t> classes = FramedSection(kClassesBegin, ClassesData());
  const size_t headerAt = kFileHeaderSize;
  const size_t classesAt = headerAt + header.size();
  size_t at = classesAt + classes.size();
  std::vector<std::pair<uint32_t, uint32_t>> locations;
  locations.reserve(objects.size());
  for (const ObjectRecord& o : objects) {
    if (o.handle == 0) throw std::logic_error("DWG object without a handle");
    locations.emplace_back(o.handle, static_cast<uint32_t>(at));
    at += o.bytes.size();
  }
  const std::vector<uint8_t> map = ObjectMap(std::move(locations));
  const size_t mapAt = at;
  if (mapAt + map.size() > 0xFFFFFFFFu) throw std::length_error("DWG file larger than 4 GiB");

  std::vector<uint8_t> file;
  file.reserve(mapAt + map.size());
  for (char c : std::string("AC1015")) file.push_back(static_cast<uint8_t>(c));
  file.insert(file.end(), 5, 0);
  file.push_back(0);     // maintenance release
  file.push_back(1);
  PutRL(file, 0);        // no preview image
  file.push_back(0);     // version and maintenance release of the writing application
  file.push_back(0);
  PutRS(file, codePage);
  PutRL(file, kSectionCount);
  const std::array<std::pair<size_t, size_t>, kSectionCount> sections{
      {{headerAt, header.size()}, {classesAt, classes.size()}, {mapAt, map.size()}}};
  for (int i = 0; i < kSectionCount; ++i) {
    file.push_back(static_cast<uint8_t>(i));
    PutRL(file, static_cast<uint32_t>(sections[i].first));
    PutRL(file, static_cast<uint32_t>(sections[i].second));
  }
  PutRS(file, FileHeaderCrc(file.data(), file.size()));
  Put(file, kFileHeaderEnd);
  file.insert(file.end(), header.begin(), header.end());
  file.insert(file.end(), classes.begin(), classes.end());
  for (const ObjectRecord& o : objects) file.insert(file.end(), o.bytes.begin(), o.bytes.end());
  file.insert(file.end(), map.begin(), map.end());
  return file;
}

}  // namespace platform::dwg
