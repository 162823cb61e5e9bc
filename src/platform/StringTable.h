#pragma once
// The program's string table: identifier -> text. Japanese texts have
// identifiers below 10000; the English twin of N is N + 10000.
#include <QString>
#include <initializer_list>
#include <optional>

namespace Platform {

// The text with exactly this identifier, or nothing when the table has none.
std::optional<QString> LoadResString(int id);

// The running language's offset (0 Japanese, 10000 English) is read from
// where the application keeps it; until it says where, 0.
void SetLanguageOffsetSource(const int *offset);

// The text of identifier id in the running language (id + LangOffset);
// empty when the table has no such text.
QString ResText(int id);

// The texts of several identifiers as the lines of one message: joined by
// CR LF, or with blank lines between them when spaced.
QString ResLines(std::initializer_list<int> ids, bool spaced = false);

} // namespace Platform
