#pragma once
// The grid as the layout tables name it: TReportGrid, its edits, and its column classes.

#include <memory>
#include <string>
#include <string_view>

namespace kv {

class TGrCustomColumn;

// Registers them with the control factory and the column classes by name; may be called any
// number of times.
void RegisterGridControlClasses();

// A new column of a registered class ("TGrNumberColumn", ...); null for a name not registered.
std::unique_ptr<TGrCustomColumn> CreateGridColumn(std::string_view class_name, std::string name);

}  // namespace kv
