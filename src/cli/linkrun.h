#pragma once

#include "link/linkresult.h"

#include <QString>

class TExchange;

// Runs one read or write on its own event loop until it ends, showing progress on
// standard error: a bar on a terminal, a line per quarter otherwise. `what` names the
// transfer for the progress ("Reading", "Writing").
TLinkResult RunLinkExchange(std::unique_ptr<TExchange> exchange, const QString& what);

// Prints the result's message: on standard output when it succeeded, on standard error
// otherwise. Returns the exit code.
int ReportLinkResult(const TLinkResult& result);
