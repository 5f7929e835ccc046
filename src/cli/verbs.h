#pragma once

#include <QStringList>

// Exit codes of every verb.
namespace exitcode {
constexpr int Ok = 0;
constexpr int Failure = 1;
constexpr int Usage = 2;
} // namespace exitcode

// Each verb gets its arguments with the program name and the verb as the first two.
int RunNew(const QStringList& args);
int RunInfo(const QStringList& args);
int RunRead(const QStringList& args);
int RunWrite(const QStringList& args);
