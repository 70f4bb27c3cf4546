#pragma once
// What the single-instance channel needs from the system, one implementation per system.
#include <QString>

namespace mevrik::platform {

inline constexpr int kConnectMs = 1000;
inline constexpr int kTransferMs = 2000;
// The listening copy's reply to every command.
inline constexpr char kAnswer[] = "Mevrik|FrmMain_qorbel\n";

// Where the channel `name` lives for this user; empty when there is no safe place.
QString UserSocketPath(const QString& name);
// True while another live copy holds `lockName` (QtInstanceChannel::lockName).
bool AnotherCopyHolds(const QString& lockName);

}  // namespace mevrik::platform
