#pragma once
// The system parameter window's rules without the window: the 72 items'
// ranges, the presence check of the 72 texts, their values, and the range
// check before a write. Items are numbered 1..72; text i belongs to item
// i + 1.
#include "core/ValueCell.h"

#include <QString>
#include <array>

namespace SysParaRules {

inline constexpr int kItems = 72;
using Texts = std::array<QString, kItems>;
// Entries 1..72 are the items, as the link's system parameter tables.
using Values = std::array<ValueCell, 81>;

// Largest value of an item: 255 for the current-down items 17..48, 65535
// for every other item.
int MaxOf(int item);

// 1 when any text is empty, else 0.
int CheckSystemParametersPresent(const Texts &texts);
// Every text's value into items 1..72: the number the text begins with
// ("&H10" is 16). A text that does not begin with a number is kept as the
// text, which no range admits, so it is refused instead of being written
// as 0.
void TakeInSystemParameterValues(const Texts &texts, Values &values);
// 1 when any item 1..72 is no number or lies outside 0..MaxOf(item), else 0.
int CheckSystemParameterValues(const Values &values);
// An item as its box shows it: a decimal integer; "" when it holds none.
QString DispText(const ValueCell &value);

} // namespace SysParaRules
