#include "scriptedlink.h"

void TScriptedLink::apply(const TLinkActions& actions) {
    for (const TLinkAction& a : actions) {
        switch (a.kind) {
        case TLinkAction::Send: {
            sent << Sent{now, a.bytes};
            if (a.awaitDrain && drains) events_.push_back([this] { return exchange_.Drained(); });
            if (!radio) break;
            const Answer answer = radio(a.bytes, now);
            if (byteByByte) {
                for (const char b : answer.bytes) {
                    const QByteArray one(1, b);
                    events_.push_back([this, one] { return exchange_.BytesArrived(one); });
                }
            } else if (!answer.bytes.isEmpty()) {
                const QByteArray all = answer.bytes;
                events_.push_back([this, all] { return exchange_.BytesArrived(all); });
            }
            if (answer.lineError)
                events_.push_back([this] { return exchange_.LineError(QStringLiteral("break")); });
            break;
        }
        case TLinkAction::FlushBuffers:
            flushes << now;
            events_.clear(); // whatever was on its way is discarded
            break;
        case TLinkAction::StartTimer:
            deadlines_[size_t(a.timer)] = now + a.ms;
            break;
        case TLinkAction::StopTimer:
            deadlines_[size_t(a.timer)].reset();
            break;
        case TLinkAction::Progress:
            progress << a.done;
            progressTotal = a.total;
            break;
        case TLinkAction::LogBytes:
            logged += a.bytes;
            break;
        case TLinkAction::Finish:
            result = a.result;
            finishedAt = now;
            break;
        }
    }
}

void TScriptedLink::Run(const std::function<bool()>& until) {
    for (int guard = 0; guard < 100000; ++guard) {
        if (until && until()) return;
        if (!events_.empty()) {
            const auto event = std::move(events_.front());
            events_.pop_front();
            apply(event());
            continue;
        }
        if (result && !exchange_.IsRunning()) return;
        // nothing is happening: move the clock to the next timer
        int next = -1;
        for (int t = 0; t < LinkTimerCount; ++t)
            if (deadlines_[size_t(t)] &&
                (next < 0 || *deadlines_[size_t(t)] < *deadlines_[size_t(next)]))
                next = t;
        if (next < 0) return;
        now = *deadlines_[size_t(next)];
        deadlines_[size_t(next)].reset();
        apply(exchange_.TimerFired(TLinkTimer(next)));
    }
}

QList<QByteArray> TScriptedLink::frames() const {
    QList<QByteArray> list;
    for (const Sent& s : sent)
        list << s.bytes;
    return list;
}

TScriptedLink::Radio RadioOf(TRadioResponder& responder) {
    auto lastHeard = std::make_shared<qint64>(0);
    return [&responder, lastHeard](const QByteArray& frame, qint64 now) {
        if (now - *lastHeard >= 400) responder.Quiet();
        *lastHeard = now;
        TScriptedLink::Answer answer;
        for (const char b : frame) {
            const TRadioResponder::Output out = responder.Receive(quint8(b));
            answer.bytes += out.reply;
            answer.lineError |= out.lineBreak || out.vanish;
        }
        return answer;
    };
}
