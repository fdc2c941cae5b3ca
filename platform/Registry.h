#pragma once

// The per-user registry the shell's folder settings live in. Here it is an INI-format
// store in the user's configuration folder; key paths and value names are matched
// without regard to case. The machine-wide root holds nothing and cannot be written; tests
// may give it keys.

#include <QString>
#include <QStringList>
#include <optional>

namespace platform::registry {

enum class Root { CurrentUser, LocalMachine };

// The store's file: $XDG_CONFIG_HOME (or ~/.config) + "/Tessary/registry.ini".
QString storePath();

// Missing key or value: nullopt.
std::optional<QString> readString(Root root, const QString& keyPath, const QString& valueName);
// Creates the key when missing. False when the store cannot be written (or for LocalMachine).
bool writeString(Root root, const QString& keyPath, const QString& valueName, const QString& value);

// Whether the key can be opened for reading its values.
bool keyExists(Root root, const QString& keyPath);
// Tests only: the keys the machine-wide root holds; an empty list restores none.
void setMachineKeys(const QStringList& keyPaths);

} // namespace platform::registry
