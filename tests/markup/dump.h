// A readable text form of a display list, one item a line, for comparing with stored references.
#pragma once

#include <string>
#include <string_view>

#include "tests/markup/fake_measurer.h"
#include "window/markup/display_list.h"

namespace zevadar::markup::testing {

std::string Dump(const DisplayList& list, const FakeMeasurer& fonts);

// Compares a dump with tests/markup/reference/<name>.txt; on a mismatch writes the actual dump
// to <name>.FAILED.txt in the working folder. ZEVADAR_UPDATE_REFERENCES=1 rewrites the reference.
void ExpectMatchesReference(std::string_view name, const std::string& dump);

}  // namespace zevadar::markup::testing
