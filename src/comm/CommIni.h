#pragma once

#include "comm/CommProfile.h"

#include <QString>
#include <vector>

class QSettings;

// The connection list file, comm.ini: "/ConnectHead/Total" and the groups "/Connect%d/"
// numbered from 1. The file is opened for each read or write and closed again.
namespace COMM {

QString CommIniPath(const QString& envPath);
QString CommIniGroup(int number);

// The profile of one group, built from the empty profile; missing keys take their defaults
// and out-of-range numbers become -1 through the builders.
SCommConntProfile ReadCommIni(QSettings* settings, const QString& group);
// Writes the keys the reader takes back, except the trace settings.
void WriteCommIni(QSettings* settings, const QString& group, const SCommConntProfile& profile);
bool IsValidCommProfile(const SCommConntProfile& profile);

// The entries to connect, in file order. An invalid entry is logged and skipped; an entry of
// the not-connected kind is skipped without a message.
std::vector<SCommConntProfile> ReadCommConnect(const QString& filePath);
// Writes the profiles as groups 1 to n and n as the total. The caller hands the profiles as
// they are to be read back (the live connections, without line splitting or trace).
void WriteCommConnect(const QString& filePath, const std::vector<SCommConntProfile>& profiles);

} // namespace COMM
