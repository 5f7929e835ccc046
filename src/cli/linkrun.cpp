#include "linkrun.h"

#include "cliparser.h"
#include "verbs.h"

#include "i18n/language.h"
#include "link/linkdriver.h"

#include <QEventLoop>
#include <cstdio>
#ifdef Q_OS_WIN
#include <io.h>
#define isatty _isatty
#else
#include <unistd.h>
#endif

namespace {

class TProgressView {
public:
    explicit TProgressView(const QString& what) : what_(what), terminal_(isatty(2)) {}

    void Show(int done, int total) {
        if (total <= 0) return;
        if (terminal_) {
            constexpr int width = 40;
            const int filled = done * width / total;
            std::fprintf(stderr, "\r%s [%s%s] %d/%d", qPrintable(what_),
                         QByteArray(filled, '#').constData(),
                         QByteArray(width - filled, '.').constData(), done, total);
            shown_ = true;
        } else {
            const int quarter = done * 4 / total;
            if (done > 0 && quarter > lastQuarter_) {
                std::fprintf(stderr, "%s: %d%%\n", qPrintable(what_), quarter * 25);
                lastQuarter_ = quarter;
            }
        }
        std::fflush(stderr);
    }

    void End() {
        if (terminal_ && shown_) std::fputc('\n', stderr);
    }

private:
    QString what_;
    bool terminal_;
    bool shown_ = false;
    int lastQuarter_ = 0;
};

} // namespace

TLinkResult RunLinkExchange(std::unique_ptr<TExchange> exchange, const QString& what) {
    TLinkDriver driver(std::move(exchange));
    TProgressView view(what);
    QEventLoop loop;
    TLinkResult result;
    QObject::connect(&driver, &TLinkDriver::progress, &driver,
                     [&](int done, int total) { view.Show(done, total); });
    QObject::connect(&driver, &TLinkDriver::finished, &driver, [&](const TLinkResult& r) {
        result = r;
        loop.quit();
    });
    if (!driver.Open()) return result;
    driver.Start();
    loop.exec();
    view.End();
    return result;
}

int ReportLinkResult(const TLinkResult& result) {
    const QString text = LinkResultText(TLanguage(), result);
    if (result.ok()) {
        std::printf("%s\n", qPrintable(text));
        return exitcode::Ok;
    }
    if (!text.isEmpty()) PrintError(text);
    if (result.kind == TLinkResult::LineFailed && !result.detail.isEmpty())
        PrintError(result.detail);
    return exitcode::Failure;
}
