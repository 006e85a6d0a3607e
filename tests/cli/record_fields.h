// Every leaf field of a student record with its place in the record as the
// data-file format documents it (offsets written out here, not taken from the
// core's constants), so a JSON mapping that puts a value into the wrong field
// is caught even when dump and load agree with each other.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "cli/record_json.h"

namespace tolka::test {

enum class LeafKind { Number, ShortText, CharText };

struct Leaf {
  std::string Pointer;  // JSON pointer inside the record object: "/CourseResults/2/Credited/1"
  LeafKind Kind;
  size_t Offset;  // from the start of the record
  size_t Width;   // ShortText: characters; CharText: array bytes (at most Width - 1 characters)
};

// All leaves in record order.
std::vector<Leaf> EveryLeaf();

// A record object in which every leaf holds a value that no other leaf of
// its width holds, each text as long as its field allows (with a character
// outside ASCII), each number different from its initial value.
cli::Json DistinctRecordJson();

// A plausible student with every field filled.
cli::Json RealisticRecordJson();

// The value that a leaf of `record` (a record object) expects at its offset,
// as Windows-1252 bytes for texts.
std::string ExpectedText(const cli::Json& record, const Leaf& leaf);
uint16_t ExpectedNumber(const cli::Json& record, const Leaf& leaf);

// Checks every leaf of `record` against the 4436 bytes at `bytes`; returns
// the problems, empty when all match.
std::vector<std::string> CompareLeaves(const cli::Json& record, const uint8_t* bytes);

}  // namespace tolka::test
