// Fuzz target: the item reader and the parameter file reader, with the
// copies of a read table into the parameter set.
#include "core/AppState.h"
#include "core/ItemFile.h"
#include "paradata/ParaFile.h"
#include "paradata/ParadataState.h"
#include "paradata/UnitTexts.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // Files are Shift-JIS; bytes that are not are refused by the loader, so
    // the Latin-1 reading stands in for them to reach the reader anyway.
    const QString text = ItemFile::Decode(bytes).value_or(QString::fromLatin1(bytes));

    // Field by field, then record by record.
    {
        ItemFile::Reader r(text);
        ItemFile::Item it;
        int n = 0;
        while (r.readField(it) && ++n < 100000)
            (void)ValueCell::FromItem(it).toInt32();
    }
    {
        ItemFile::Reader r(text);
        int n = 0;
        while (auto rec = r.readRecord()) {
            if (++n > 100000)
                break;
        }
    }

    // Only what the reader and the copies touch is reset: the whole module
    // state is large and resetting it would dominate each run.
    auto &s = Paradata();
    s.ParaSet = ParaSetData{};
    s.ParaFileTable = ParaTable{};
    s.Ct = CtAxisData{};
    s.DevSetting = DevSettingData{};
    s.ActuatorSetting = ActuatorSettingData{};
    ResetAppState();
    ParaFile::ParaFileFault fault = ParaFile::ParaFileFault::None;
    int lastRow = 0;
    if (const auto t = ParaFile::ParseParaFileText(text, &fault, &lastRow)) {
        s.ParaFileTable = *t;
        ParaFile::LetParaRecToValue();
        ParaFile::LetParaFileToPara();
        UnitTexts::ParaPulseToMmText(App().AxisNotUsed);
        // What was read writes out and reads back to the same rows.
        const QString again = ParaFile::ParaFileText(s.ParaSet);
        if (!ParaFile::ParseParaFileText(again))
            __builtin_trap();
    }
    return 0;
}
