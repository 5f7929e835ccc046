#include "linkdriver.h"

TLinkDriver::TLinkDriver(std::unique_ptr<TExchange> exchange, QObject* parent)
    : QObject(parent), exchange_(std::move(exchange)) {
    qRegisterMetaType<TLinkResult>();
    for (int i = 0; i < LinkTimerCount; ++i) {
        QTimer& timer = timers_[size_t(i)];
        timer.setSingleShot(true);
        // the pauses and timeouts are part of the exchange; coarse timers could stretch
        // a 450 ms pause by tens of milliseconds
        timer.setTimerType(Qt::PreciseTimer);
        const auto id = TLinkTimer(i);
        connect(&timer, &QTimer::timeout, this,
                [this, id] { post([id](TExchange& e) { return e.TimerFired(id); }); });
    }
    connect(&line_, &TSerialLine::bytesArrived, this, [this](const QByteArray& bytes) {
        post([bytes](TExchange& e) { return e.BytesArrived(bytes); });
    });
    connect(&line_, &TSerialLine::drained, this,
            [this] { post([](TExchange& e) { return e.Drained(); }); });
    connect(&line_, &TSerialLine::lineError, this, [this](const QString& reason) {
        post([reason](TExchange& e) { return e.LineError(reason); });
    });
}

TLinkDriver::~TLinkDriver() {
    for (QTimer& timer : timers_)
        timer.stop();
    line_.Close();
}

bool TLinkDriver::Open() {
    if (line_.Open(exchange_->PortName(), qint32(exchange_->BaudRate()))) return true;
    const QString reason = line_.ErrorText();
    post([reason](TExchange& e) { return e.PortFailed(reason); });
    return false;
}

void TLinkDriver::Start() {
    post([](TExchange& e) { return e.Start(); });
}

void TLinkDriver::Cancel() {
    post([](TExchange& e) { return e.Cancel(); });
    Close();
}

void TLinkDriver::Close() {
    for (QTimer& timer : timers_)
        timer.stop();
    line_.Close();
}

void TLinkDriver::post(Event event) {
    pending_.push_back(std::move(event));
    if (busy_) return;
    busy_ = true;
    while (!pending_.empty()) {
        const Event next = std::move(pending_.front());
        pending_.pop_front();
        for (const TLinkAction& action : next(*exchange_))
            carryOut(action);
    }
    busy_ = false;
    // The result goes out last, once nothing of the driver is on the stack: the window
    // may show a modal message, start again, or schedule its own end from the slot.
    if (result_) {
        const TLinkResult result = *std::exchange(result_, std::nullopt);
        Q_EMIT finished(result);
    }
}

void TLinkDriver::carryOut(const TLinkAction& action) {
    switch (action.kind) {
    case TLinkAction::Send:
        if (!line_.Send(action.bytes))
            post([](TExchange& e) { return e.LineError(tr("The port is not open")); });
        break;
    case TLinkAction::FlushBuffers:
        flushBuffers();
        break;
    case TLinkAction::StartTimer:
        timers_[size_t(action.timer)].start(action.ms);
        break;
    case TLinkAction::StopTimer:
        timers_[size_t(action.timer)].stop();
        break;
    case TLinkAction::Progress:
        Q_EMIT progress(action.done, action.total);
        break;
    case TLinkAction::LogBytes:
        Q_EMIT received(action.bytes);
        break;
    case TLinkAction::Finish:
        for (QTimer& timer : timers_)
            timer.stop();
        result_ = action.result;
        break;
    }
}

void TLinkDriver::flushBuffers() {
    // a device that went away and came back (a cable plugged in again) is opened anew
    if (!line_.IsOpen() && !line_.Open(exchange_->PortName(), qint32(exchange_->BaudRate()))) {
        const QString reason = line_.ErrorText();
        post([reason](TExchange& e) { return e.PortFailed(reason); });
        return;
    }
    line_.Clear();
}
