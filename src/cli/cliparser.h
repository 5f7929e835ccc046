#pragma once

#include <QCommandLineParser>
#include <QCoreApplication>
#include <optional>

// Parses a verb's arguments. Returns the exit code to stop with (help printed, or a
// usage error reported) or nothing when the verb should go on.
std::optional<int> ParseVerbArguments(QCommandLineParser& parser, const QStringList& args,
                                      const QString& verbSyntax);

// Prints a failure message on standard error.
void PrintError(const QString& message);

// Reports a usage error with the verb's syntax and returns the usage exit code.
int UsageError(const QString& message, const QString& verbSyntax);

// The --port option of the verbs that talk to a radio.
QCommandLineOption PortOption();
