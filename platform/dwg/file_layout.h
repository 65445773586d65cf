// The file around the objects: the file header with its section locators, the
// header variables and classes sections, the object data and the object map.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/dwg/object_record.h"

namespace platform::dwg {

// Lays out a whole file. `objects` may come in any order; the object map lists
// them by handle. Handles must be unique and non-zero.
std::vector<uint8_t> AssembleFile(const std::vector<uint8_t>& headerVariables,
                                  const std::vector<ObjectRecord>& objects, uint16_t codePage);

// The checksum of the file header as stored: over every byte before it, from the seed.
uint16_t FileHeaderCrc(const uint8_t* data, size_t size);

}  // namespace platform::dwg
