#include "sim/SimTool.h"

#include "sim/SimOnline.h"

namespace SimTool {
namespace {

// "S1M" .. "S4M": the axis count of the model, 0 for any other text.
int axesOfModel(const QString &code)
{
    if (code.size() != 3 || code[0] != QLatin1Char('S') || code[2] != QLatin1Char('M'))
        return 0;
    const int n = code[1].digitValue();
    return n >= 1 && n <= 4 ? n : 0;
}

Parsed fail(const QString &why)
{
    Parsed p;
    p.error = QStringLiteral("rez4sim: ") + why + QStringLiteral("\nTry 'rez4sim --help'.\n");
    return p;
}

} // namespace

QString Usage()
{
    return QStringLiteral(
        "Usage: rez4sim [MODEL [AXES [program]]] [--baud N] [--line-log FILE]\n"
        "\n"
        "A simulated RE-Z4 controller on a pseudo-terminal, for trying the\n"
        "program without a controller. It prints the terminal's path, then\n"
        "answers on it until it is stopped with Ctrl+C.\n"
        "\n"
        "  MODEL    model code it reports: S1M, S2M, S3M or S4M, a controller\n"
        "           of 1 to 4 axes (default S4M)\n"
        "  AXES     axes present, one hexadecimal digit, bit 0 = axis 1\n"
        "           (default every axis of the model; e.g. 3 = axes 1 and 2)\n"
        "  program  the controller in program mode (default positioner mode)\n"
        "  --baud N         each answer sent when a line of N baud would have\n"
        "                   carried the request and the answer (10 bits a\n"
        "                   character); default at once\n"
        "  --line-log FILE  a line for each request that came in and each\n"
        "                   answer sent: nanoseconds since the start, R or A,\n"
        "                   characters with CR LF, the text\n"
        "                   (\"1234567 R 9 0RG001\")\n"
        "  -h, --help  this text\n"
        "\n"
        "Every axis carries a \" 28L\" 100 mm actuator without PG, with the\n"
        "standard parameters of data/.\n"
        "Start the program with REZ4_PORT1 set to the printed path:\n"
        "  REZ4_PORT1=/dev/pts/N build-release/bin/rez4tool\n");
}

Parsed Parse(const QStringList &args)
{
    for (const QString &a : args) {
        if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
            Parsed p;
            p.usage = Usage();
            return p;
        }
    }
    Options o;
    QStringList words; // the arguments that are no option nor its value
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (!a.startsWith(QLatin1Char('-'))) {
            words << a;
            continue;
        }
        const bool baud = a == QLatin1String("--baud");
        if (!baud && a != QLatin1String("--line-log"))
            return fail(QStringLiteral("unknown option '%1'").arg(a));
        if (i + 1 >= args.size())
            return fail(QStringLiteral("%1 needs a value").arg(a));
        const QString &value = args[++i];
        if (baud) {
            bool ok = false;
            o.baud = value.toInt(&ok);
            if (!ok || o.baud <= 0)
                return fail(QStringLiteral("baud '%1': a whole number above 0").arg(value));
        } else {
            o.lineLogPath = value;
        }
    }
    if (words.size() > 3)
        return fail(QStringLiteral("unknown argument '%1'").arg(words[3]));
    if (words.size() > 0) {
        const int axes = axesOfModel(words[0]);
        if (axes == 0)
            return fail(QStringLiteral("unknown model '%1' (S1M, S2M, S3M or S4M)").arg(words[0]));
        o.modelCode = words[0].toLatin1();
        o.axisMask = (1 << axes) - 1;
    }
    if (words.size() > 1) {
        bool ok = false;
        const int mask = words[1].toInt(&ok, 16);
        if (!ok || words[1].size() != 1 || mask < 1 || (mask & ~o.axisMask) != 0)
            return fail(QStringLiteral("axes '%1': one hexadecimal digit from 1 to %2, axes that %3 has")
                            .arg(words[1], QString::number(o.axisMask, 16).toUpper(),
                                 QString::fromLatin1(o.modelCode)));
        o.axisMask = mask;
    }
    if (words.size() > 2) {
        if (words[2] != QLatin1String("program"))
            return fail(QStringLiteral("unknown argument '%1' (only 'program')").arg(words[2]));
        o.programMode = true;
    }
    Parsed p;
    p.options = o;
    return p;
}

void Install(SimController &sim, SimCmdModel &model, SimTaskModel &tasks, const Options &o)
{
    SimFull::InstallAll(sim, model, tasks);
    sim.model().modelCode = o.modelCode;
    SimOnline::SetAxes(sim, o.axisMask);
    SimOnline::SetProgramMode(sim, o.programMode);
    sim.setLineBaud(o.baud);
}

QByteArray LineLogText(const SimController::LineEvent &e)
{
    QByteArray text = e.text;
    text.replace('\r', "\\r").replace('\n', "\\n");
    return QByteArray::number(e.ns) + (e.request ? " R " : " A ") + QByteArray::number(e.chars) + ' ' + text + '\n';
}

} // namespace SimTool
