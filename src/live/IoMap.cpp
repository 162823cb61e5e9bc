#include "live/IoMap.h"

namespace IoMap {

const std::array<Row, kInputRows> &InputRows()
{
    static const std::array<Row, kInputRows> rows{{
        {1, 8, "STB", "STB"},
        {1, 4, "STOP", "IN17"},
        {3, 1, "GRP", "IN18"},
        {1, 1, "RES", "RES"},
        {6, 1, "P1", "IN1"},
        {6, 2, "P2", "IN2"},
        {6, 4, "P4", "IN3"},
        {6, 8, "P8", "IN4"},
        {5, 1, "P10", "IN5"},
        {5, 2, "P20", "IN6"},
        {5, 4, "P40", "IN7"},
        {5, 8, "P80", "IN8"},
        {4, 1, "P100", "IN9"},
        {4, 2, "P200", "IN10"},
        {4, 4, "P400", "IN11"},
        {4, 8, "P800", "IN12"},
        {2, 1, "EXP-IN1", "IN13"},
        {2, 2, "EXP-IN2", "IN14"},
        {2, 4, "EXP-IN3", "IN15"},
        {2, 8, "EXP-IN4", "IN16"},
        {3, 2, "PAUSE", "PAUSE"},
        {7, 1, "HOME LS1", "HOME LS1"},
        {7, 2, "HOME LS2", "HOME LS2"},
        {7, 4, "HOME LS3", "HOME LS3"},
        {7, 8, "HOME LS4", "HOME LS4"},
    }};
    return rows;
}

const std::array<Row, kOutputRows> &OutputRows()
{
    // Digit 1 weight 8 has no row; a write sends it back as last read.
    static const std::array<Row, kOutputRows> rows{{
        {1, 4, "ALM", "ALM"},
        {1, 2, "RDY", "RDY"},
        {1, 1, "IN-P", "IN-P"},
        {2, 1, "OUT1", "OUT1"},
        {2, 2, "OUT2", "OUT2"},
        {2, 4, "OUT3", "OUT3"},
        {2, 8, "OUT4", "OUT4"},
        {3, 1, "HOLD1", "OUT5"},
        {3, 2, "ZONE1", "OUT6"},
        {3, 4, "HOLD2", "OUT7"},
        {3, 8, "ZONE2", "OUT8"},
        {4, 1, "HOLD3", "OUT9"},
        {4, 2, "ZONE3", "OUT10"},
        {4, 4, "HOLD4", "OUT11"},
        {4, 8, "ZONE4", "OUT12"},
        {5, 1, "EXP-OUT1", "OUT13"},
        {5, 2, "EXP-OUT2", "OUT14"},
        {5, 4, "EXP-OUT3", "OUT15"},
        {5, 8, "EXP-OUT4", "OUT16"},
    }};
    return rows;
}

QString Name(const Row &row, bool prgMode) { return QString::fromLatin1(prgMode ? row.prgName : row.posiName); }

int DigitIndex(const Row &row) { return row.digit - 1; }

int BitIndex(const Row &row)
{
    switch (row.weight) {
    case 1: return 0;
    case 2: return 1;
    case 4: return 2;
    default: return 3;
    }
}

bool IsOn(const Row &row, const Bits &bits) { return bits[size_t(DigitIndex(row))][size_t(BitIndex(row))]; }

QString StateText(const Row &row, const Bits &bits)
{
    return IsOn(row, bits) ? QStringLiteral("O") : QStringLiteral("-");
}

bool RequestToggle(int row, Bits &outReq)
{
    if (row < 0 || row >= kOutputRows)
        return false;
    const Row &r = OutputRows()[size_t(row)];
    outReq[size_t(DigitIndex(r))][size_t(BitIndex(r))] = true;
    return true;
}

} // namespace IoMap
