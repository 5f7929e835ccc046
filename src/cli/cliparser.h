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
// The -o FILE option of the verbs that write a data file.
QCommandLineOption OutputOption();

// A usage error for the first positional argument of a verb that takes none.
std::optional<int> RejectPositionalArguments(const QCommandLineParser& parser,
                                             const QString& verbSyntax);

class TCore;
// The program's data as a fresh start has it, with the tool's folder as program folder.
void StartUpCore(TCore& core);
