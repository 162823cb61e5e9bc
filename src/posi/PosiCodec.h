#pragma once
// The 60-digit position block of the "0RP" reply and the "0WP" frame: per
// axis speed (3), acceleration in 10 ms (2), method and position packed into
// 5 digits, push force (2), push position (2); then interpolation (1),
// output (1), sequence macro (2). Upper-case hexadecimal.
#include "posi/PosiTables.h"

#include <QString>
#include <optional>

namespace PosiCodec {

inline constexpr int kBlockLen = 60;
inline constexpr int kReadReplyLen = 68;   // "0RP" + 3 + 60 + CR LF
inline constexpr int kWriteReplyLen = 8;   // "0WP" + 3 + CR LF

QString Hex3(int posiNo);
QString ReadCommand(int posiNo);                               // "0RP" + Hex3
QString WriteData(int posiNo, const PosiRecord &r);           // Hex3 + block
QString WriteCommand(const QString &writeData);                // "0WP" + WriteData

// Method (0..3) and position (18 bits) into the five packed digits, and back.
QString EncodePacked(int method, int32_t position);
struct Packed { int method = 0; int32_t position = 0; };
std::optional<Packed> DecodePacked(const QString &digits);

// Fields 1..27 of the record (each rounded to a whole number) as the block.
QString EncodeBlock(const PosiRecord &r);
// The block into fields 1..27 (numbers); nothing when it is not 60
// hexadecimal digits. Field 28 is left empty.
std::optional<PosiRecord> DecodeBlock(const QString &block);
// A "0RP" reply of position n (CR LF allowed at its end): nothing when the
// echo is not "0RP" + Hex3(n) or the block is damaged.
std::optional<PosiRecord> DecodeReadReply(const QString &reply, int posiNo);

} // namespace PosiCodec
