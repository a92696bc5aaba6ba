#include "LogCapture.h"

#include "support/Singleton.h"
#include "support/SysDebug.h"

#include <QDeadlineTimer>
#include <mutex>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace LogCapture {

QStringList take();

namespace {

constexpr int NameWidth = 40;  // the log pads the operation name to this column
const QString MarkName = QStringLiteral("LogCapture");

std::mutex g_mutex;
// Never destroyed: the log thread may still print while the process exits.
QStringList& g_lines = *new QStringList;

void collect(QtMsgType, const QMessageLogContext&, const QString& line)
{
    if (line.size() < NameWidth)
        return;
    std::lock_guard<std::mutex> lock(g_mutex);
    g_lines << line.left(NameWidth).trimmed() + QLatin1Char(' ') + line.mid(NameWidth);
}

} // namespace

void start()
{
    static bool started = false;
    if (started)
        return;
    started = true;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("profile.ini"));
    {
        QSettings settings(path, QSettings::IniFormat);
        settings.beginGroup(QStringLiteral("Sys_Debug"));
        const QVariantMap keys{{"Enable", true},         {"FieldTag", false},     {"FieldTime", false},
                               {"FieldLevel", true},     {"FieldCode", false},    {"FieldThread", false},
                               {"FieldClassFun", true},  {"FieldNote", true},     {"MsgStake", true},
                               {"MsgInfo", true},        {"MsgWarning", true},    {"MsgError", true},
                               {"MsgCritical", true},    {"MsgException", true},  {"MsgLeave", true},
                               {"MsgProfile", true},     {"MsgControl", true},    {"MsgAction", true},
                               {"MsgDeep", true},        {"MsgDebug", true},      {"AutoLogEnable", false},
                               {"EncryptionEnable", false}};
        for (auto it = keys.cbegin(); it != keys.cend(); ++it)
            settings.setValue(it.key(), it.value());
    }
    qInstallMessageHandler(collect);
    Pattern::Singleton<SysDebug>::Instance()->initialize(path);
    take();  // the log's start header
}

QStringList take()
{
    static int serial = 0;
    const QString mark = QStringLiteral("mark %1").arg(++serial);
    Pattern::Singleton<SysDebug>::Instance()->dbgPrintf(DBG_INFO, "LogCapture", 0, "%s", qPrintable(mark));
    const QString markLine = MarkName + QLatin1Char(' ') + mark;
    QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        {
            std::lock_guard<std::mutex> lock(g_mutex);
            const int at = g_lines.indexOf(markLine);
            if (at >= 0) {
                QStringList before = g_lines.mid(0, at);
                g_lines = g_lines.mid(at + 1);
                return before;
            }
        }
        QTest::qWait(5);
    }
    qFatal("LogCapture: the log thread did not print its mark");
}

} // namespace LogCapture
