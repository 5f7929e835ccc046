#pragma once

#include "exchange.h"
#include "serialline.h"

#include <QObject>
#include <QTimer>
#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

// Runs a read or write exchange over the serial line: feeds it the line's bytes, drain
// notices and errors and the firing of its timers, and carries out what it answers. The
// read and write windows and the command-line tool each sit on one driver:
//
//   TLinkDriver driver(std::make_unique<TReadExchange>(core));
//   connect(&driver, &TLinkDriver::progress, ...);   // blocks done of total
//   connect(&driver, &TLinkDriver::received, ...);   // the read's log, HexLogLine()
//   connect(&driver, &TLinkDriver::finished, ...);   // LinkResultText(), result.after
//   if (driver.Open()) ...                           // else finished(PortFailed) came
//   driver.Start();                                  // the window's Ok button
//
// finished() comes once per run, after the driver has handled the event that ended it, so
// its slot may show a modal message or call Start() again; delete the driver only later
// (deleteLater). The port is open from Open() until Close() or the driver's end.
class TLinkDriver : public QObject {
    Q_OBJECT
public:
    explicit TLinkDriver(std::unique_ptr<TExchange> exchange, QObject* parent = nullptr);
    ~TLinkDriver() override;

    // Opens the exchange's port. On failure finished() reports PortFailed with the
    // system's reason, and this returns false.
    bool Open();
    void Start();
    // Stops at once without an end frame and closes the port.
    void Cancel();
    void Close();

    bool IsOpen() const { return line_.IsOpen(); }
    bool IsRunning() const { return exchange_->IsRunning(); }
    const TExchange& Exchange() const { return *exchange_; }

Q_SIGNALS:
    void progress(int done, int total);
    void received(const QByteArray& bytes);
    void finished(const TLinkResult& result);

private:
    using Event = std::function<TLinkActions(TExchange&)>;
    // Events that come in while actions are being carried out wait their turn, so the
    // exchange sees them one at a time and in order.
    void post(Event event);
    void carryOut(const TLinkAction& action);
    void flushBuffers();

    std::unique_ptr<TExchange> exchange_;
    TSerialLine line_;
    std::array<QTimer, LinkTimerCount> timers_;
    std::deque<Event> pending_;
    bool busy_ = false;
    std::optional<TLinkResult> result_;
};
