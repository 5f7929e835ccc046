#include "ptyradio.h"

#include "link/protocol.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

namespace {
constexpr long long kNsPerByte = 1'000'000'000LL * wire::BitsPerByte / 9600;
constexpr long long kNsPerMs = 1'000'000LL;
} // namespace

TPtyRadio::TPtyRadio(TRadioResponder& responder, Options options)
    : responder_(responder), options_(std::move(options)) {}

TPtyRadio::~TPtyRadio() {
    if (keepSlave_ >= 0) ::close(keepSlave_);
    if (master_ >= 0) ::close(master_);
}

TPtyRadio::Clock TPtyRadio::now() {
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return Clock(ts.tv_sec) * 1'000'000'000LL + ts.tv_nsec;
}

bool TPtyRadio::Open(QString& error) {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    const char* name = ::ptsname(master_);
    if (!name) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    path_ = QString::fromLocal8Bit(name);
    // Without a slave held open the master reports a hang-up whenever the program has
    // the port closed. Raw mode from the start, so nothing is echoed before the program
    // sets the line up, nor after it restores the settings it found.
    keepSlave_ = ::open(name, O_RDWR | O_NOCTTY);
    if (keepSlave_ < 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    termios tio{};
    ::tcgetattr(keepSlave_, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(keepSlave_, TCSANOW, &tio);
    return true;
}

void TPtyRadio::heard(Clock at) {
    while (!incoming_.empty() && incoming_.front().at <= at) {
        const quint8 byte = quint8(incoming_.front().byte);
        const Clock when = incoming_.front().at;
        incoming_.pop_front();
        const TRadioResponder::Output out = responder_.Receive(byte);
        // the answer starts once the last byte of the frame has been heard
        Clock slot = std::max(when, lastSent_);
        for (const char c : out.reply) {
            slot += options_.wire ? kNsPerByte : 0;
            outgoing_.push_back({slot, quint8(c)});
        }
        if (out.lineBreak) outgoing_.push_back({slot, Break});
        if (!outgoing_.empty()) lastSent_ = outgoing_.back().at;
        if (out.exchangeEnded && options_.exchangeEnded) options_.exchangeEnded(responder_.image());
        if (out.vanish) {
            sendDue(now());
            vanish();
            return;
        }
    }
}

void TPtyRadio::sendDue(Clock at) {
    QByteArray chunk;
    while (!outgoing_.empty() && outgoing_.front().at <= at) {
        const int byte = outgoing_.front().byte;
        outgoing_.pop_front();
        if (byte == Break) {
            if (!chunk.isEmpty()) ::write(master_, chunk.constData(), size_t(chunk.size()));
            chunk.clear();
            sendBreak();
        } else {
            chunk.append(char(byte));
        }
    }
    if (!chunk.isEmpty() && ::write(master_, chunk.constData(), size_t(chunk.size())) < 0 &&
        options_.log)
        options_.log(QStringLiteral("write: %1").arg(QString::fromLocal8Bit(std::strerror(errno))));
}

void TPtyRadio::sendBreak() {
    // A pseudo-terminal has no line to hold low. Its input side belongs to the program's
    // end, whose settings the master reaches on Linux: for an instant let the marker
    // pass as it stands, and the program reads the FF 00 00 a serial driver puts in
    // for a break.
    termios tio{};
    if (::tcgetattr(master_, &tio) != 0) return;
    const termios before = tio;
    const bool marking = tio.c_iflag & PARMRK;
    ::usleep(10'000); // let the line discipline take what was sent before
    if (marking) {
        tio.c_iflag &= ~PARMRK;
        ::tcsetattr(master_, TCSANOW, &tio);
    }
    const char mark[] = {char(0xFF), 0x00, 0x00};
    ::write(master_, marking ? mark : mark + 2, marking ? 3 : 1);
    ::usleep(10'000);
    if (marking) ::tcsetattr(master_, TCSANOW, &before);
    if (options_.log) options_.log(QStringLiteral("line break"));
}

void TPtyRadio::vanish() {
    if (options_.log) options_.log(QStringLiteral("vanishing"));
    ::close(keepSlave_);
    ::close(master_);
    keepSlave_ = master_ = -1;
    vanished_ = true;
}

bool TPtyRadio::Run(const std::function<bool()>& stop) {
    lastActivity_ = now();
    char buffer[512];
    while (!vanished_ && !stop()) {
        const Clock t = now();
        Clock deadline = lastActivity_ + options_.quietMs * kNsPerMs;
        if (!incoming_.empty()) deadline = std::min(deadline, incoming_.front().at);
        if (!outgoing_.empty()) deadline = std::min(deadline, outgoing_.front().at);
        // wake up now and then to look at the stop flag
        deadline = std::min(deadline, t + 100 * kNsPerMs);
        const Clock wait = std::max<Clock>(0, deadline - t);
        const timespec timeout{time_t(wait / 1'000'000'000LL), long(wait % 1'000'000'000LL)};
        pollfd pfd{master_, POLLIN, 0};
        const int ready = ::ppoll(&pfd, 1, &timeout, nullptr);
        if (ready < 0 && errno != EINTR) return false;
        const Clock after = now();
        if (ready > 0 && (pfd.revents & POLLIN)) {
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n < 0 && errno != EAGAIN && errno != EIO) return false;
            for (ssize_t i = 0; i < n; ++i) {
                // paced, a byte is heard one byte time after the one before it
                const Clock at = options_.wire ? std::max(after, lastHeard_) + kNsPerByte : after;
                lastHeard_ = at;
                incoming_.push_back({at, quint8(buffer[i])});
            }
            if (n > 0) lastActivity_ = after;
        }
        heard(after);
        if (vanished_) break;
        sendDue(after);
        if (incoming_.empty() && outgoing_.empty() &&
            after - lastActivity_ >= options_.quietMs * kNsPerMs) {
            responder_.Quiet();
            lastActivity_ = after;
        }
    }
    return true;
}
