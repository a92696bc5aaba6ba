#include "DeviceReplies.h"
#include "ExitSignals.h"
#include "FactorySettings.h"
#include "KnobConsole.h"
#include "Sentence.h"
#include "SimLog.h"
#include "SimTransponder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdint>
#include <cstdio>

namespace {

const QString FactorySettingsFile = QStringLiteral(":/sim-transponder/factory-settings.txt");

struct SSwitchOption
{
    const char* name;
    const char* description;
    bool Sim::SSimKnobs::*knob;
};

constexpr SSwitchOption SwitchOptions[] = {
    {"split", "Sends every line in pieces cut at random bytes.", &Sim::SSimKnobs::split},
    {"bad-checksums", "Sends every sentence with a wrong checksum.", &Sim::SSimKnobs::badChecksums},
    {"silence", "Sends nothing.", &Sim::SSimKnobs::silence},
    {"ignore-switch", "Does not answer the Wi-Fi switch.", &Sim::SSimKnobs::ignoreSwitch},
    {"no-dump-end", "Ends the system data without its end line.", &Sim::SSimKnobs::noDumpEnd},
    {"wifi-unfinished", "The Wi-Fi module echoes each line but never answers it.", &Sim::SSimKnobs::wifiUnfinished},
    {"cut-version", "Cuts the version reply after its first field.", &Sim::SSimKnobs::cutVersion},
    {"ignore-settings", "Takes the settings sentences but changes nothing.", &Sim::SSimKnobs::ignoreSettings},
};

bool number(const QCommandLineParser& parser, const QString& name, int64_t low, int64_t high, int64_t* value)
{
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    *value = parser.value(name).toLongLong(&ok);
    if (ok && *value >= low && *value <= high)
        return true;
    std::fprintf(stderr, "--%s takes a number from %lld to %lld\n", qPrintable(name), static_cast<long long>(low),
                 static_cast<long long>(high));
    return false;
}

bool parseOptions(const QCoreApplication& app, Sim::SSimOptions* options)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Plays an AIS Class B transponder on a pseudo-terminal, whose path is the first line on stdout.\n"
        "Lines in and out are logged on stderr with milliseconds since start.\n"
        "Commands on stdin, one a line: each switch below as \"<name> on|off\" (split, bad-checksums, silence,\n"
        "ignore-switch, no-dump-end, wifi-unfinished, cut-version, ignore-settings), \"passthrough on|off\",\n"
        "\"rate-factor <n>\", \"model <n>\", \"unplug\" (closes the link), \"long-run <bytes>\", \"count\" (prints\n"
        "\"sent <lines> dropped <lines>\") and \"quit\"."));
    parser.addHelpOption();
    parser.addOptions({
        {"port", "Talks on the terminal at <path> instead of a pseudo-terminal of its own.", "path"},
        {"model", "The device model: 1 UNIT-K-42, 2 Q-375 (default), 0 one the program does not know.", "n"},
        {"mmsi", "The device's MMSI in place of the factory one; 0 for none yet.", "mmsi"},
        {"seed", "Seed of the random cuts of the split knob (default 1).", "n"},
        {"rate-factor", "Sends the traffic <n> times faster (1 to 1000).", "n"},
        {"passthrough", "Starts in Wi-Fi pass-through."},
        {"access-points",
         "Scans find the access points in the file, one \"ssid,bssid,channel,rssi,security,password\" a line, "
         "in place of the factory ones.",
         "path"},
        {"wifi-value",
         "The Wi-Fi module reports the value for the query (AT+VER, AT+PSK, ...) in place of the factory one. "
         "Repeatable.",
         "query=value"},
        {"long-run", "Sends <bytes> without a line end once the program's first line has come.", "bytes"},
        {"dump-value",
         "The system data reports the raw value for the key, as the device prints the key (MMSI, Ship Name, "
         "GPS_RI, ...); \"^hh\" stands for the byte hh. Repeatable.",
         "key=value"},
    });
    for (const SSwitchOption& option : SwitchOptions)
        parser.addOption({QString::fromLatin1(option.name), QString::fromLatin1(option.description)});
    parser.process(app);

    int64_t model = options->model;
    int64_t seed = options->seed;
    int64_t rate = options->knobs.rateFactor;
    if (!number(parser, "model", 0, 2, &model) || !number(parser, "mmsi", 0, 999999999, &options->mmsi)
        || !number(parser, "seed", 0, UINT32_MAX, &seed) || !number(parser, "rate-factor", 1, Sim::MaxRateFactor, &rate)
        || !number(parser, "long-run", 0, Sim::MaxLongRun, &options->knobs.longRun))
        return false;
    options->model = static_cast<int>(model);
    options->seed = static_cast<uint32_t>(seed);
    options->knobs.rateFactor = static_cast<int>(rate);
    options->port = parser.value("port");
    options->passThrough = parser.isSet("passthrough");
    options->accessPoints = parser.value("access-points");
    for (const QString& pair : parser.values("dump-value")) {
        const QByteArray text = pair.toLatin1();
        const int equals = text.indexOf('=');
        const QByteArray key = text.left(equals);
        if (equals < 0 || !Sim::IsDumpKey(key)) {
            std::fprintf(stderr, "--dump-value takes key=value with a key of the system data, not %s\n",
                         text.constData());
            return false;
        }
        options->knobs.dumpValues.append({key, Sim::Sentence::unescape(text.mid(equals + 1))});
    }
    for (const QString& pair : parser.values("wifi-value")) {
        const QByteArray text = pair.toLatin1();
        const int equals = text.indexOf('=');
        if (equals <= 0) {
            std::fprintf(stderr, "--wifi-value takes query=value, not %s\n", text.constData());
            return false;
        }
        options->wifiValues.append({text.left(equals), text.mid(equals + 1)});
    }
    for (const SSwitchOption& option : SwitchOptions)
        options->knobs.*option.knob = parser.isSet(QString::fromLatin1(option.name));
    return true;
}

void reportCounts(const Sim::CSimTransponder& sim)
{
    const QByteArray counts = sim.counts();
    std::printf("%s\n", counts.constData());
    std::fflush(stdout);
    Sim::Log::note(QString::fromLatin1(counts));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("sim-transponder"));
    Sim::SSimOptions options;
    if (!parseOptions(app, &options))
        return 2;

    Sim::CFactorySettings settings;
    QString error;
    if (!settings.load(FactorySettingsFile, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    Sim::CSimTransponder sim(settings, options);
    if (!sim.start(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    std::printf("%s\n", qPrintable(sim.portPath()));
    std::fflush(stdout);

    Sim::CExitSignals exitSignals;
    if (!exitSignals.install())
        Sim::Log::note(QStringLiteral("exit signals not caught"));
    QObject::connect(&exitSignals, &Sim::CExitSignals::signalExit, &app, &QCoreApplication::quit);

    Sim::CKnobConsole console(sim.knobs());
    QObject::connect(&console, &Sim::CKnobConsole::signalModel, &sim, &Sim::CSimTransponder::onModel);
    QObject::connect(&console, &Sim::CKnobConsole::signalPassThrough, &sim, &Sim::CSimTransponder::onPassThrough);
    QObject::connect(&console, &Sim::CKnobConsole::signalUnplug, &sim, &Sim::CSimTransponder::onUnplug);
    QObject::connect(&console, &Sim::CKnobConsole::signalLongRun, &sim, &Sim::CSimTransponder::onLongRun);
    QObject::connect(&console, &Sim::CKnobConsole::signalCount, &sim, [&sim] { reportCounts(sim); });
    QObject::connect(&console, &Sim::CKnobConsole::signalQuit, &app, &QCoreApplication::quit);
    console.start();

    const int result = QCoreApplication::exec();
    reportCounts(sim);
    return result;
}
