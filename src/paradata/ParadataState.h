#pragma once
// The module data of the parameter and actuator subsystem: the parameter set
// and table, the PC's actuator setting per axis, the per-axis limits, the
// controller's actuator data as last read, and the device list tables. One
// instance for the run; tests reset it with ResetParadataState().
#include "core/ValueCell.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

template <typename T>
using PerAxis = std::array<T, 4>;

// The parameter set, one member per parameter; per-axis members hold axes
// 1 to 4 at index 0 to 3. The comment gives the row of the parameter file.
struct ParaSetData {
    // HOME
    PerAxis<ValueCell> ParaHomeOffset{};  // 1
    PerAxis<int16_t> ParaHomePush{};      // 2
    PerAxis<int16_t> ParaHomeVel{};       // 3
    PerAxis<int16_t> ParaHomeOfsVel{};    // 4
    PerAxis<int16_t> ParaHomePushVel{};   // 5
    PerAxis<int16_t> ParaHomeSeq{};       // 6
    // AXIS
    PerAxis<ValueCell> ParaAxisStroke{};  // 7, pulses
    PerAxis<int16_t> ParaAxisLead{};      // 8, mm per revolution
    PerAxis<int32_t> ParaAxisPulse{};     // 9, pulses per revolution (up to 65535)
    PerAxis<int16_t> ParaJogVel{};        // 10
    PerAxis<int16_t> ParaAutoDrive{};     // 11
    PerAxis<int16_t> ParaType{};          // 12, 0 or 1 (3 only on the wire)
    PerAxis<ValueCell> ParaActuator{};    // 13, model text
    // PG
    PerAxis<int16_t> ParaPgFunction{};    // 14
    PerAxis<ValueCell> ParaPgAlm{};       // 15
    // ETC
    int16_t ParaHomeOut = 0;              // 16
    int16_t ParaGrpEnable = 0;            // 17
    int16_t ParaSmTimeout = 0;            // 18
    int16_t ParaSmTimer = 0;              // 19
    PerAxis<int16_t> ParaZoneEnable{};    // 20
    PerAxis<ValueCell> ParaZone1{};       // 21, pulses
    PerAxis<ValueCell> ParaZone2{};       // 22, pulses
    PerAxis<int16_t> ParaInpWid{};        // 23
    PerAxis<int16_t> ParaHoldTime{};      // 24
    // SPECIAL
    int32_t ParaAutoPrgNo = 0;            // 25, a two-byte field on the wire
    int16_t ParaSpAxis = 0;               // 26, bit a = axis a + 1 present
    int16_t ParaAutoHome = 0;             // 27
    PerAxis<int16_t> ParaPgTimer{};       // 28
    PerAxis<int16_t> ParaLsTimer{};       // 29
    PerAxis<int16_t> ParaSoftLimit{};     // 30
    int16_t ParaEmgLogic = 0;             // 31
    int16_t ParaAlm1Clear = 0;            // 32
    int16_t ParaPosPrg = 0;               // 33, 0 positioner, 1 program
    int16_t ParaPputWrite = 0;            // 34
};

// Rows of the parameter table: 0 (file name in column 0), 1..34 the
// parameters in file order, 35 the block-1 actuator code, 36..38 the
// controller's actuator size, speed letter and stroke.
inline constexpr int kParaRows = 41;     // rows 0..40
inline constexpr int kParaCols = 5;      // columns 0..4, axis c + 1 in column c
using ParaTable = std::array<std::array<ValueCell, kParaCols>, kParaRows>;

// The PC's actuator setting per axis.
struct DevSettingData {
    PerAxis<QString> DevSize{};           // " 28", "E35", ...
    PerAxis<QString> DevSpeed{};          // "L", "H", ...
    PerAxis<int32_t> DevStroke{};         // mm
    PerAxis<int16_t> DevLead{};           // mm per revolution
    PerAxis<int32_t> DevPPR{};            // pulses per revolution
    PerAxis<bool> DevNewType{};
    PerAxis<QString> DevNewOldText{};     // "NEW" / "OLD" as loaded
    PerAxis<bool> DevQzFlag{true, true, true, true};
    PerAxis<bool> DevWithPG{};
    PerAxis<bool> DevVertical{};
};

// The second (candidate) setting, e.g. as read from a position file.
struct ActuatorSettingData {
    PerAxis<QString> ActuatorSize{};
    PerAxis<QString> ActuatorSpeed{};
    PerAxis<int32_t> ActuatorStroke{};
    PerAxis<bool> ActuatorWithPG{};
    PerAxis<bool> ActuatorVertical{};
    PerAxis<bool> NewTypeFlag{};
};

// The controller's actuator data as last read (axis configuration reads).
struct CtAxisData {
    PerAxis<int16_t> CtDevType{};
    PerAxis<int16_t> CtLead{};
    PerAxis<int32_t> CtPPR{};             // two-byte field, up to 65535
    PerAxis<int32_t> CtMaxPulse{};        // pulses
    PerAxis<QString> CtDevSize{};
    PerAxis<QString> CtDevSpeed{};
    PerAxis<int32_t> CtDevStroke{};       // two-byte field
    PerAxis<int16_t> CtPgFlag{};
};

// One row of a device list table: 8 slots of text or number.
using DevListRecord = std::array<ValueCell, 8>;
inline constexpr int kDevListRows = 100;  // rows 0..99, records 1..99
inline constexpr int kDevListNames = 11;  // size / speed list entries 0..10

struct ParadataState {
    // ---- parameter set and table
    ParaSetData ParaSet;
    ParaTable ParaFileTable;
    bool PmtReadError = false;
    bool PmtWriteError = false;
    QString SaveAsFileName;
    // Last axis (0..3) the parameter window handles; the block write sends
    // the blocks of axes 0..ParaLastAxis.
    int ParaLastAxis = 3;
    // Bytes of the parameter blocks that carry no parameter: kept by a read,
    // sent back by the writes. Nothing before the first read (sent as 00).
    std::array<std::optional<uint8_t>, 68> ParaBlockSpare{};
    // STROKE, ZONE1 and ZONE2 as millimetre text, as the parameter window
    // last took them in (the printout of the shown parameters uses them).
    PerAxis<QString> ParaAxisMmStrokeText{};
    PerAxis<QString> ParaZone1MmText{};
    PerAxis<QString> ParaZone2MmText{};
    PerAxis<int16_t> CtDevCode{};
    // The last verify: whether anything differed, and the differences of
    // each section (0 HOME, 1 AXIS, 2 PG, 3 ETC, 4 SPECIAL; 5 unused).
    bool ParaChangeFlag = false;
    std::array<QString, 6> ParaChangeLog{};
    // Pause after each step of a block transfer, so the controller can keep
    // up; tests shorten it.
    int BlockStepWaitMs = 100;

    // ---- PC actuator setting and its limits
    DevSettingData DevSetting;
    ActuatorSettingData ActuatorSetting;
    PerAxis<QString> DevSeries{QStringLiteral("QZ"), QStringLiteral("QZ"), QStringLiteral("QZ"), QStringLiteral("QZ")};
    PerAxis<QString> StdPrmSeries{QStringLiteral("QZ"), QStringLiteral("QZ"), QStringLiteral("QZ"), QStringLiteral("QZ")};
    bool KeepAxisMask = false;
    PerAxis<int32_t> MaxPulse{};          // stroke limit, pulses
    PerAxis<double> MaxMm{};              // stroke limit, mm (multiple of 0.001)
    PerAxis<int16_t> MaxSpeed{};          // mm/sec

    // ---- controller configuration as last read
    CtAxisData Ct;
    PerAxis<int16_t> CtBlock1Value{};     // block 1 bytes 4..7
    int16_t CtAxisMaskHold = 0;
    PerAxis<bool> AxisNotUsedHold{};
    bool PrgModeFlagHold = false;

    // ---- device list tables
    PerAxis<std::array<DevListRecord, kDevListRows>> DevListAxis{};
    PerAxis<int16_t> DevListCnt{};
    PerAxis<std::array<QString, kDevListNames>> DevSizeList{};
    PerAxis<int16_t> DevSizeListCnt{};    // index of the last entry
    PerAxis<std::array<QString, kDevListNames>> DevSpeedList{};
    PerAxis<int16_t> DevSpeedListCnt{};
    PerAxis<bool> DevListErr{};
    int16_t DevListLead = 0;
    int32_t DevListPPR = 0;
};

ParadataState &Paradata();
void ResetParadataState();
